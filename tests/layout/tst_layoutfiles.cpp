#include "core/LocaleText.h"
#include "layout/Adtg.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"
#include "layout/LayoutRecord.h"
#include "printing/InvoicePage.h"
#include "support/CaseFile.h"
#include "support/FileSizeLimit.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

namespace {

// Hand-built files: Layout.set with rows for identities 1 and 2, and the 1.dat and 2.dat that
// converting it writes (made by make_fixtures.py there from the description of the formats).
const QString kFixtures = QStringLiteral(BILLCRAFT_TEST_DATA "/layout");

// An all-zero record: 51 Int, 25 Bool and 31 empty Text fields of 2 bytes, 12 Real of 8.
constexpr qsizetype kEmptyRecordBytes = 310;

QByteArray fixtureBytes(const QString& name)
{
    const QByteArray bytes = readAll(QDir(kFixtures).filePath(name));
    if (bytes.isEmpty())
        qFatal("no fixture %s", qPrintable(name));
    return bytes;
}

// Sets the field of that name from its text, whatever its type ("nan" reads as NaN).
void setField(LayoutRecord& r, const QString& name, const QString& text)
{
    for (const LayoutField& f : LayoutFields::all()) {
        if (name != QLatin1String(f.name))
            continue;
        switch (f.type) {
        case LayoutField::Type::Int:
            r.*f.intMember = qint16(text.toInt());
            return;
        case LayoutField::Type::Bool:
            r.*f.boolMember = text == u"yes";
            return;
        case LayoutField::Type::Real:
            r.*f.realMember = text.toDouble();
            return;
        case LayoutField::Type::Text:
            r.*f.textMember = text;
            return;
        }
    }
    qFatal("no field %s", qPrintable(name));
}

// What the fixtures hold for identity 1 or 2, as make_fixtures.py writes it.
LayoutRecord fixture(int identity)
{
    LayoutRecord r = LayoutRecord::designerDefaults();
    r.Identity = qint16(identity);
    for (const QStringList& f : CaseFile::read(QStringLiteral("layout/fixtures.txt"))) {
        if (f[0].toInt() == identity)
            setField(r, f[1], f[2]);
    }
    return r;
}

// The identity's layout as the books hold it; nullopt with the reason, or without a file.
std::optional<LayoutRecord> layoutIn(const TestFiles& files, int identity, QString* error = nullptr)
{
    const Result<std::optional<LayoutRecord>> read =
        IdentityLayoutFile::read(files.files, identity);
    if (!read && error)
        *error = read.error();
    return read ? *read : std::nullopt;
}

// The fixture Layout.set with one value of identity 1's row replaced.
QByteArray sharedLayoutWith(const QString& column, const QVariant& value)
{
    auto table = Adtg::decode(fixtureBytes(LayoutFiles::kSharedLayoutFile));
    table->rows[0].values[table->columnIndex(column)] = value;
    return *Adtg::encode(*table);
}

} // namespace

class TestLayoutFiles : public QObject {
    Q_OBJECT
private slots:
    void handBuiltFilesDecodeAndEncodeByteForByte()
    {
        for (int identity : {1, 2}) {
            const QByteArray bytes = fixtureBytes(IdentityLayoutFile::fileName(identity));
            QString error;
            const auto record = IdentityLayoutFile::decode(bytes, &error);
            QVERIFY2(record, qPrintable(error));
            QCOMPARE(*record, fixture(identity));
            QCOMPARE(IdentityLayoutFile::encode(*record).toHex(' '), bytes.toHex(' '));
        }

        const QByteArray shared = fixtureBytes(LayoutFiles::kSharedLayoutFile);
        QString error;
        const auto table = Adtg::decode(shared, &error);
        QVERIFY2(table, qPrintable(error));
        QCOMPARE(table->columns.size(), LayoutFields::kCount);
        for (qsizetype c = 0; c < table->columns.size(); ++c) {
            const LayoutField& f = LayoutFields::all()[std::size_t(c)];
            QCOMPARE(table->columns[c].name, QLatin1String(f.name));
            static const AdtgColumn::Type typeOf[] = {
                AdtgColumn::Type::Integer, AdtgColumn::Type::Boolean, AdtgColumn::Type::Double,
                AdtgColumn::Type::WideString};
            QCOMPARE(table->columns[c].type, typeOf[int(f.type)]);
        }
        QCOMPARE(table->rows.size(), 2);
        QCOMPARE(table->rows[0].form, AdtgRow::Form::Unchanged);
        QCOMPARE(table->rows[1].form, AdtgRow::Form::Inserted);
        QCOMPARE(Adtg::encode(*table)->toHex(' '), shared.toHex(' '));
    }

    // Texts are stored whole, old tails kept; older and damaged files.
    void textsAndDamagedFiles()
    {
        TestEnv env;
        TestFiles files(env);
        const QString path = IdentityLayoutFile::fileName(1);
        LayoutRecord r;
        r.PicLogoName = QString(100, u'x'); // longer than its defined 70
        r.lblAddressCaption = QStringLiteral("1 High St\r\nYork £");
        QVERIFY(IdentityLayoutFile::write(files.files, 1, r));
        const QByteArray longFile = files.read(path);
        QCOMPARE(longFile.size(), kEmptyRecordBytes + 100 + 18); // "£" is two bytes
        QCOMPARE(layoutIn(files, 1), std::optional<LayoutRecord>(r));

        // A shorter record leaves the end of the longer one in place, and reads back new.
        LayoutRecord shorter;
        shorter.PicLogoName = QStringLiteral("a.bmp");
        QVERIFY(IdentityLayoutFile::write(files.files, 1, shorter));
        const QByteArray shortFile = files.read(path);
        const qsizetype newSize = kEmptyRecordBytes + 5;
        QCOMPARE(shortFile.size(), longFile.size());
        QCOMPARE(shortFile.left(newSize), IdentityLayoutFile::encode(shorter));
        QCOMPARE(shortFile.mid(newSize), longFile.mid(newSize));
        QCOMPARE(layoutIn(files, 1), std::optional<LayoutRecord>(shorter));

        // Past the 16-bit length a text is cut before the character that would not fit whole;
        // a leading byte-order mark is text like any other.
        LayoutRecord huge;
        huge.lblFooterCaption = u'a' + QString(32767, u'é') + u'b'; // 65536 bytes
        huge.lblAddressCaption = QStringLiteral("\uFEFFHeader");
        QVERIFY(IdentityLayoutFile::write(files.files, 1, huge));
        const LayoutRecord back = layoutIn(files, 1).value_or(LayoutRecord());
        QCOMPARE(back.lblFooterCaption, huge.lblFooterCaption.chopped(1));
        QCOMPARE(back.lblAddressCaption, huge.lblAddressCaption);

        // An earlier installation wrote "Café €" in Windows-1252 as the text logo caption.
        QByteArray bytes = IdentityLayoutFile::encode(LayoutRecord());
        const qsizetype captionAt = 10 * 2; // ten 2-byte fields, through lblTextLogoColour
        bytes.replace(captionAt, 2, QByteArray::fromHex("0600436166e92080")); // 6, "Café €"
        files.write(path, bytes);
        QCOMPARE(layoutIn(files, 1).value_or(LayoutRecord()).lblTextLogoCaption,
                 QStringLiteral("Café €"));

        QString error;
        files.write(path, bytes.left(100));
        QVERIFY(!layoutIn(files, 1, &error));
        QVERIFY2(error.contains(QStringLiteral("ends inside the field")) &&
                     error.contains(files.files.describe(path)),
                 qPrintable(error));
        // A length that runs past the end is refused, not followed.
        bytes.replace(captionAt, 2, QByteArray("\xff\xff", 2));
        files.write(path, bytes.left(captionAt + 8));
        QVERIFY(!IdentityLayoutFile::read(files.files, 1));
        QVERIFY(IdentityLayoutFile::read(files.files, 1).error().contains("lblTextLogoCaption"));
        // No file is no layout, not a failure.
        QCOMPARE(IdentityLayoutFile::read(files.files, 7).value(), std::nullopt);
    }

    // A VAT rate or font size no layout can hold makes the file damaged: it is refused with the
    // field named and left as it is, and such a record is never written. The bounds themselves
    // are sound, as is a font size of 0 (not set).
    void damagedLayoutsAreRefused_data()
    {
        CaseFile::addRows(QStringLiteral("layout/damaged-layouts.txt"), {"field", "text", "bad"});
    }
    void damagedLayoutsAreRefused()
    {
        const auto [field, text, bad] = CaseFile::fetchEach({"field", "text", "bad"});
        const double value = text.toDouble();
        const bool damaged = bad == u"yes";
        TestEnv env;
        TestFiles files(env);
        LayoutRecord r = fixture(1);
        setField(r, field, text);

        const QString dat = IdentityLayoutFile::fileName(1);
        const QByteArray bytes = IdentityLayoutFile::encode(r);
        files.write(dat, bytes);
        QString error;
        const auto read = layoutIn(files, 1, &error);
        QCOMPARE(!read, damaged);
        QCOMPARE(files.read(dat), bytes);
        QCOMPARE(bool(IdentityLayoutFile::write(files.files, 9, r)), !damaged);
        QCOMPARE(files.has(QStringLiteral("9.dat")), !damaged);

        // In Layout.set the damaged row is not converted; the other row is.
        files.remove(dat);
        files.write(LayoutFiles::kSharedLayoutFile, sharedLayoutWith(field, value));
        QString conversionError;
        QCOMPARE(LayoutFiles::convertSharedLayout(files.files, &conversionError), !damaged);
        QCOMPARE(files.has(dat), !damaged);
        QVERIFY(files.has(QStringLiteral("2.dat")));
        if (damaged) {
            // The value as read, not rounded back into range.
            const QString shown =
                QStringLiteral("Its %1 is %2,")
                    .arg(field, QString::number(value, 'g', QLocale::FloatingPointShortest));
            QVERIFY2(error.contains(files.files.describe(dat)) && error.contains(shown),
                     qPrintable(error));
            QVERIFY2(conversionError.contains(QStringLiteral("identity 1")) &&
                         conversionError.contains(field),
                     qPrintable(conversionError));
        }
    }

    void defaultLayoutFromTheIdentitysSettings()
    {
        TestEnv env;
        const auto add = [&env](const QVariantList& values) {
            env.exec(QStringLiteral("INSERT INTO TblUserData(TextLogo, FontSize, FontStyle, "
                                    "PageFooter, LogoFont, FontColour, VatReg, VatRate) "
                                    "VALUES (?,?,?,?,?,?,?,?)"),
                     values);
            return env.db.scalar(QStringLiteral("SELECT max(Identity) FROM TblUserData")).toInt();
        };
        const int bare = add({QString(), 6, QStringLiteral("bold"), QVariant(), QVariant(),
                              QVariant(), 0, QVariant()});
        const int full =
            add({QStringLiteral("Acme Trading"), 7, QStringLiteral("BoldItalic"),
                 QStringLiteral("Line A\r\nLine B"), QStringLiteral("Georgia"), 255, -1, 17.5});
        // A server's column holds numbers only; a file's may hold any text.
        const QVariant large = env.db.isServer() ? QVariant() : QVariant(QStringLiteral("large"));
        const int oddSize = add(
            {QStringLiteral("X"), large, QStringLiteral("Italic"), QString(), QString(), 0, 0, 20});
        const int hugeSize =
            add({QStringLiteral("Y"), 5000, QString(), QString(), QString(), 0, 0, 20});

        const auto b = LayoutFiles::defaultLayout(env.db, bare);
        QVERIFY(b);
        QCOMPARE(b->lblTextLogoCaption, QStringLiteral("Your Logo"));
        QCOMPARE(b->lblFooterCaption, QStringLiteral("Your Footer"));
        QCOMPARE(b->lblTextLogoFontSize, 10.0);                        // 6 is too small
        QVERIFY(!b->lblTextLogoFontBold && !b->lblTextLogoFontItalic); // "bold" is no style
        QCOMPARE(b->lblTextLogoFont, QStringLiteral("Verdana"));
        QCOMPARE(b->lblTextLogoColour, QStringLiteral("0"));
        QVERIFY(!b->PicLogoShow);
        QCOMPARE(b->lblAddressColour, QStringLiteral("-2147483640"));
        QCOMPARE(b->lblFooterFont, QStringLiteral("Trebuchet MS"));
        QCOMPARE(b->lblFooterFontSize, 6.0);
        QCOMPARE(b->lblInvoiceFontSize, 21.75);
        QCOMPARE(b->Identity, bare);

        const auto f = LayoutFiles::defaultLayout(env.db, full);
        QCOMPARE(f->lblFooterCaption, QStringLiteral("Line ALine B"));
        QCOMPARE(f->lblTextLogoFontSize, 7.0);
        QVERIFY(f->lblTextLogoFontBold && f->lblTextLogoFontItalic);
        QCOMPARE(f->lblTextLogoColour, QStringLiteral("255"));
        QVERIFY(f->VatReg);
        QCOMPARE(f->VatRate, 17.5);
        // The text logo is as wide as its caption: a longer name, a wider logo.
        QVERIFY(f->lblTextLogoWidth > 0);
        LayoutRecord longer = *f;
        longer.lblTextLogoCaption += QStringLiteral(" and Sons Limited");
        QVERIFY(LayoutFiles::textLogoWidthTwips(longer) > f->lblTextLogoWidth);

        for (const int odd : {oddSize, hugeSize})
            QCOMPARE(LayoutFiles::defaultLayout(env.db, odd)->lblTextLogoFontSize, 10.0);
        QCOMPARE(LayoutFiles::defaultLayout(env.db, 999).error(),
                 QStringLiteral("Identity 999 is not in the database."));
        // No identity yet: the settings of a row with nothing in it.
        LayoutRecord none = *b;
        none.Identity = 0;
        QCOMPARE(*LayoutFiles::defaultLayout(env.db, 0), none);
    }

    // Start-up leaves the current identity with its file: its own file when there is one
    // (neither source is read), else its row of Layout.set, else the default layout; a shared
    // file that cannot be used is reported and left as it is. Another identity's file is kept.
    void startUpLeavesTheIdentityWithItsFile_data()
    {
        CaseFile::addRows(QStringLiteral("layout/start-up.txt"),
                          {"identity", "shared", "own", "expected", "report"});
    }
    void startUpLeavesTheIdentityWithItsFile()
    {
        const auto [identity, shared, own, expected, report] =
            CaseFile::fetchEach({"identity", "shared", "own", "expected", "report"});
        const bool hasIdentity = identity == u"yes", ownFile = own == u"yes";
        TestEnv env;
        const int id = hasIdentity ? env.addIdentity(QStringLiteral("Solo")) : 0;
        TestFiles files(env);
        const QString dat = IdentityLayoutFile::fileName(id);
        const QString other = IdentityLayoutFile::fileName(2);
        const QString sharedPath = LayoutFiles::kSharedLayoutFile;
        if (shared == u"fixture")
            files.write(sharedPath, fixtureBytes(LayoutFiles::kSharedLayoutFile));
        else if (shared == u"broken")
            files.write(sharedPath, "not a table");
        else if (shared == u"damaged")
            files.write(sharedPath, sharedLayoutWith(QStringLiteral("VatRate"), qQNaN()));
        LayoutRecord designed = fixture(2);
        designed.lblTextLogoCaption = QStringLiteral("Designed since");
        QVERIFY(IdentityLayoutFile::write(files.files, 2, designed));
        if (ownFile)
            QVERIFY(IdentityLayoutFile::write(files.files, id, designed));
        const QByteArray sharedBefore = files.read(sharedPath), otherBefore = files.read(other),
                         ownBefore = files.read(dat);

        QString error;
        QCOMPARE(LayoutFiles::ensureForIdentity(env.db, files.files, id, &error), report.isEmpty());
        if (report.isEmpty())
            QCOMPARE(error, QString());
        else
            QVERIFY2(error.contains(report) && error.contains(QStringLiteral("default layout")),
                     qPrintable(error));
        if (expected == u"kept")
            QCOMPARE(files.read(dat), ownBefore);
        else if (expected == u"converted")
            QCOMPARE(files.read(dat).toHex(' '), fixtureBytes(QStringLiteral("1.dat")).toHex(' '));
        else
            QCOMPARE(layoutIn(files, id),
                     std::optional<LayoutRecord>(*LayoutFiles::defaultLayout(env.db, id)));
        QCOMPARE(files.read(sharedPath), sharedBefore);
        QCOMPARE(files.read(other), otherBefore);
    }

    // The VAT default goes to the identity's own file and its row of Layout.set, together or
    // not at all.
    void vatDefaultChangesBothFilesOrNeither()
    {
        TestEnv env;
        TestFiles files(env);
        for (const QString& name :
             {LayoutFiles::kSharedLayoutFile, QStringLiteral("1.dat"), QStringLiteral("2.dat")})
            files.write(name, fixtureBytes(name));
        QString error;
        QVERIFY2(LayoutFiles::saveVatDefault(files.files, 2, true, &error), qPrintable(error));
        LayoutRecord two = fixture(2);
        two.VatReg = true;
        QCOMPARE(layoutIn(files, 2), std::optional<LayoutRecord>(two));
        QCOMPARE(files.read(QStringLiteral("1.dat")), fixtureBytes(QStringLiteral("1.dat")));
        auto expected = Adtg::decode(fixtureBytes(LayoutFiles::kSharedLayoutFile));
        expected->rows[1].values[expected->columnIndex(QStringLiteral("VatReg"))] = true;
        QCOMPARE(files.read(LayoutFiles::kSharedLayoutFile).toHex(' '),
                 Adtg::encode(*expected)->toHex(' '));

        // The second file cannot be written (in a folder it would pass the size this process
        // may write; on a server the table refuses it): the first keeps its old bytes.
        AdtgTable small;
        small.columns = {AdtgColumn::integer(QStringLiteral("Identity")),
                         AdtgColumn::boolean(QStringLiteral("VatReg"))};
        small.rows << AdtgRow{{2, false}, {}};
        files.write(LayoutFiles::kSharedLayoutFile, *Adtg::encode(small));
        LayoutRecord longFooter = fixture(2);
        longFooter.lblFooterCaption = QString(20000, u'x');
        QVERIFY(IdentityLayoutFile::write(files.files, 2, longFooter));
        const QByteArray sharedBefore = files.read(LayoutFiles::kSharedLayoutFile);
        const QByteArray ownBefore = files.read(QStringLiteral("2.dat"));
        bool saved = true;
        if (env.db.isServer()) {
            env.exec(QStringLiteral("ALTER TABLE BillcraftFiles ADD CONSTRAINT NoTwo "
                                    "CHECK (Name <> '2.dat' OR length(Bytes) < 8192) NOT VALID"));
            saved = LayoutFiles::saveVatDefault(files.files, 2, true, &error);
            env.exec(QStringLiteral("ALTER TABLE BillcraftFiles DROP CONSTRAINT NoTwo"));
        } else {
            const FileSizeLimit limit(8192);
            saved = LayoutFiles::saveVatDefault(files.files, 2, true, &error);
        }
        QVERIFY(!saved);
        QVERIFY2(error.contains(QStringLiteral("2.dat")), qPrintable(error));
        QCOMPARE(files.read(LayoutFiles::kSharedLayoutFile), sharedBefore);
        QCOMPARE(files.read(QStringLiteral("2.dat")), ownBefore);

        // A folder in the place of the first file: nothing is written.
        if (!env.db.isServer()) {
            QVERIFY(QDir(env.folder()).mkdir(QStringLiteral("5.dat")));
            small.rows << AdtgRow{{5, false}, {}};
            files.write(LayoutFiles::kSharedLayoutFile, *Adtg::encode(small));
            const QByteArray withFive = files.read(LayoutFiles::kSharedLayoutFile);
            QVERIFY(!LayoutFiles::saveVatDefault(files.files, 5, true, &error));
            QCOMPARE(files.read(LayoutFiles::kSharedLayoutFile), withFive);
        }

        // Neither file holds the identity: said, not silently dropped.
        QVERIFY(!LayoutFiles::saveVatDefault(files.files, 7, true, &error));
        QCOMPARE(error, QStringLiteral("Identity 7 has no layout file and no row in Layout.set, "
                                       "so its VAT default cannot be saved."));
    }

    // Two seats on the same books: a layout and its logo saved through one connection are read
    // back byte for byte through another, and print there with the same picture.
    void aSecondSeatPrintsTheSameLayoutAndLogo()
    {
        TestEnv env;
        TestFiles first(env);
        QImage picture(30, 12, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(env.file(QStringLiteral("picked.png"))));
        const QByteArray logo = readAll(env.file(QStringLiteral("picked.png")));
        first.write(QStringLiteral("acme.png"), logo);
        LayoutRecord designed = fixture(1); // names its logo by a full Windows path
        designed.PicLogoName = QStringLiteral("C:\\Logos\\acme.png");
        QVERIFY(IdentityLayoutFile::write(first.files, 1, designed));

        Database other;
        QVERIFY2(env.db.isServer() ? other.openServer(env.db.server())
                                   : other.open(env.file(Database::kFileName)),
                 qPrintable(other.errorString()));
        // On a server the second seat has no data folder of its own to fall back on.
        QTemporaryDir elsewhere;
        SharedFiles second(other, env.db.isServer() ? elsewhere.path() : env.folder());
        QCOMPARE(second.read(IdentityLayoutFile::fileName(1))->value_or(QByteArray()),
                 first.read(IdentityLayoutFile::fileName(1)));
        QCOMPARE(LayoutFiles::readLogo(second, designed.PicLogoName)->value_or(QByteArray()), logo);
        const Result<LayoutRecord> printed = InvoicePage::identityLayout(other, second, 1);
        QCOMPARE(printed.value(), designed);
        InvoiceSheet sheet;
        sheet.invoiceNumber = QStringLiteral("0001");
        const InvoicePage::Layout page =
            InvoicePage::layOut(*printed, sheet, LocaleText(testLocale()), &second, Qt::black);
        QCOMPARE(page.notice, QString());
        QCOMPARE(page.pages.front().images.size(), std::size_t(1));
        QCOMPARE(page.pages.front().images.front().image.pixelColor(0, 0), QColor(Qt::darkGreen));
    }
};

QTEST_MAIN(TestLayoutFiles)
#include "tst_layoutfiles.moc"
