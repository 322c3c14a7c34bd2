#include "update/OnlineUpdate.h"

#include "update/UpdateSignature.h"

#include <QVersionNumber>

namespace {

// A revision number with room for blanks, a byte-order mark and line ends; anything longer is
// not our file.
constexpr qint64 kMaxRevisionBytes = 1024;

} // namespace

OnlineUpdate::OnlineUpdate(UpdateSettings settings)
    : m_settings(std::move(settings))
    , m_source(UpdateSource::fromAddress(m_settings.address))
    , m_fetcher(m_settings.timeout)
{}

int OnlineUpdate::builtInRevision()
{
    return QVersionNumber::fromString(QStringLiteral(BILLCRAFT_VERSION)).microVersion();
}

std::optional<int> OnlineUpdate::parseRevision(const QByteArray& text)
{
    QByteArray digits = text;
    if (digits.startsWith("\xEF\xBB\xBF")) // a byte-order mark some editors write
        digits.remove(0, 3);
    digits = digits.trimmed();
    // Nine digits at most, so the number always fits an int.
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (const char c : std::as_const(digits)) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    return digits.toInt();
}

QString OnlineUpdate::hostName() const
{
    return m_source ? m_source->hostName() : QUrl(m_settings.address).host();
}

OnlineUpdate::Outcome OnlineUpdate::fetch(const QUrl& url, const UpdateFetcher::Limits& limits,
                                          const UpdateFetcher::Progress& progress, QByteArray* body)
{
    UpdateFetcher::Answer answer = m_fetcher.get(url, limits, progress);
    switch (answer.outcome) {
    case UpdateFetcher::Outcome::Fetched:
        *body = std::move(answer.body);
        return Outcome::Available;
    case UpdateFetcher::Outcome::Cancelled:
        return Outcome::Cancelled;
    case UpdateFetcher::Outcome::Failed:
        break;
    }
    m_error = answer.error;
    return Outcome::Unreachable;
}

OnlineUpdate::Outcome OnlineUpdate::checkRevision(const UpdateFetcher::Progress& progress)
{
    m_error.clear();
    m_latest.reset();
    if (!m_source) {
        m_error = m_source.error();
        return Outcome::Unreachable;
    }
    QByteArray text;
    const Outcome fetched =
        fetch(m_source->revisionUrl(), {kMaxRevisionBytes, m_settings.smallFileDeadline}, progress,
              &text);
    if (fetched != Outcome::Available)
        return fetched;
    const std::optional<int> latest = parseRevision(text);
    if (!latest) {
        // Often a login page of a hotel or station network rather than our file.
        m_error = tr("%1 does not hold a revision number.").arg(m_source->revisionUrl().toString());
        return Outcome::Unreachable;
    }
    m_latest = *latest;
    return *latest > m_settings.runningRevision ? Outcome::Available : Outcome::UpToDate;
}

OnlineUpdate::Outcome OnlineUpdate::install(const UpdateFetcher::Progress& progress)
{
    m_error.clear();
    if (!m_source) {
        m_error = m_source.error();
        return Outcome::Unreachable;
    }
    // Refused before anything is downloaded; the UI asks programOwner() before it even checks.
    if (programOwner() != UpdateInstaller::Owner::User) {
        m_error =
            tr("The program file %1 is not the user's to replace.").arg(m_settings.programPath);
        return Outcome::NotInstalled;
    }
    m_error = UpdateInstaller::downloadsProblem(m_settings.downloadsFolder);
    if (!m_error.isEmpty())
        return Outcome::NotInstalled;
    // The signature first: it is small, and the package's progress is then the last shown.
    QByteArray signature;
    Outcome fetched = fetch(m_source->signatureUrl(),
                            {UpdateSignature::kSignatureBytes, m_settings.smallFileDeadline},
                            progress, &signature);
    if (fetched != Outcome::Available)
        return fetched;
    QByteArray package;
    fetched = fetch(m_source->packageUrl(), {}, progress, &package);
    if (fetched != Outcome::Available)
        return fetched;
    // Nothing on disk is touched before the package is known to be ours.
    if (!UpdateSignature::verify(package, signature, m_settings.publicKey)) {
        m_error =
            tr("The signature of %1 does not match it.").arg(m_source->packageUrl().toString());
        return Outcome::Unreachable;
    }
    // The signature covers the package, not Revision.txt: the revision the package names must
    // be the one announced, so an older signed package cannot be passed off as newer.
    const Result<QByteArray> entry = UpdateInstaller::revisionEntry(package);
    if (!entry) {
        m_error = entry.error();
        return Outcome::Unreachable;
    }
    const std::optional<int> packaged = parseRevision(*entry);
    if (!packaged || !m_latest || *packaged != *m_latest ||
        *packaged <= m_settings.runningRevision) {
        m_error = tr("%1 is revision \"%2\", not the newer %3 announced.")
                      .arg(m_source->packageUrl().toString(),
                           QString::fromLatin1(entry->trimmed().left(16)))
                      .arg(m_latest.value_or(0));
        return Outcome::Unreachable;
    }
    const Status kept = UpdateInstaller::keepPackage(package, m_settings.downloadsFolder);
    if (!kept) {
        m_error = kept.error();
        return Outcome::NotInstalled;
    }
    if (m_settings.packageKept)
        m_settings.packageKept();
    // From the verified bytes in memory, not from the copy just kept.
    const Status installed = UpdateInstaller::install(package, m_settings.programPath);
    if (!installed) {
        m_error = installed.error();
        return Outcome::NotInstalled;
    }
    // Until a restart the program file is already this revision: checking again must not
    // install it a second time over the only copy of the running build.
    m_settings.runningRevision = *packaged;
    return Outcome::Installed;
}
