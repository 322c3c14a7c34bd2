#include "layout/Adtg.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"
#include "layout/LayoutRecord.h"
#include "support/CaseFile.h"
#include "support/FileSizeLimit.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
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

// What the fixtures hold for identity 1 or 2, as make_fixtures.py writes it.
LayoutRecord fixture(int identity)
{
    LayoutRecord r = LayoutRecord::designerDefaults();
    r.Identity = qint16(identity);
    if (identity == 1) {
        r.PicLogoName = QStringLiteral("C:\\Billcraft\\acme.bmp");
        r.PicLogoShow = true;
        r.lblTextLogoFont = QStringLiteral("Georgia");
        r.lblTextLogoColour = QStringLiteral("255");
        r.lblTextLogoCaption = QStringLiteral("Acme Trading");
        r.lblTextLogoFontSize = 14.25;
        r.lblTextLogoFontBold = true;
        r.lblTextLogoWidth = 2205;
        r.lblAddressCaption = QStringLiteral("1 High Street\r\nYork YO1 7HH");
        r.PicLineShow = true;
        r.VatRate = 17.5;
        r.VatReg = true;
        r.lblInvoiceCaption = QStringLiteral("INVOICE");
        r.lblFooterCaption = QStringLiteral("Prices in £, VAT at 17.5%");
    } else {
        r.lblTextLogoFont = QStringLiteral("Verdana");
        r.lblTextLogoColour = QStringLiteral("0");
        r.lblTextLogoCaption = QStringLiteral("Bramble & Co");
        r.lblTextLogoFontSize = 10;
        r.lblTextLogoFontItalic = true;
        r.lblTextLogoWidth = -1;
        r.VatRate = 20;
        r.lblInvoiceCaption = QStringLiteral("Tax Invoice");
        r.lblFooterCaption = QStringLiteral("Your Footer");
        r.lblDateLeft = -360;
    }
    return r;
}

double& realField(LayoutRecord& r, const QString& name)
{
    for (const LayoutField& f : LayoutFields::all()) {
        if (name == QLatin1String(f.name) && f.type == LayoutField::Type::Real)
            return r.*f.realMember;
    }
    qFatal("no Real field %s", qPrintable(name));
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
        QTemporaryDir dir;
        const QString path = dir.filePath(IdentityLayoutFile::fileName(1));
        LayoutRecord r;
        r.PicLogoName = QString(100, u'x'); // longer than its defined 70
        r.lblAddressCaption = QStringLiteral("1 High St\r\nYork £");
        QVERIFY(IdentityLayoutFile::write(path, r));
        const QByteArray longFile = readAll(path);
        QCOMPARE(longFile.size(), kEmptyRecordBytes + 100 + 18); // "£" is two bytes
        QCOMPARE(IdentityLayoutFile::read(path), std::optional<LayoutRecord>(r));

        // A shorter record leaves the end of the longer one in place, and reads back new.
        LayoutRecord shorter;
        shorter.PicLogoName = QStringLiteral("a.bmp");
        QVERIFY(IdentityLayoutFile::write(path, shorter));
        const QByteArray shortFile = readAll(path);
        const qsizetype newSize = kEmptyRecordBytes + 5;
        QCOMPARE(shortFile.size(), longFile.size());
        QCOMPARE(shortFile.left(newSize), IdentityLayoutFile::encode(shorter));
        QCOMPARE(shortFile.mid(newSize), longFile.mid(newSize));
        QCOMPARE(IdentityLayoutFile::read(path), std::optional<LayoutRecord>(shorter));

        // Past the 16-bit length a text is cut before the character that would not fit whole;
        // a leading byte-order mark is text like any other.
        LayoutRecord huge;
        huge.lblFooterCaption = u'a' + QString(32767, u'é') + u'b'; // 65536 bytes
        huge.lblAddressCaption = QStringLiteral("\uFEFFHeader");
        QVERIFY(IdentityLayoutFile::write(path, huge));
        const LayoutRecord back = IdentityLayoutFile::read(path).value_or(LayoutRecord());
        QCOMPARE(back.lblFooterCaption, huge.lblFooterCaption.chopped(1));
        QCOMPARE(back.lblAddressCaption, huge.lblAddressCaption);

        // An earlier installation wrote "Café €" in Windows-1252 as the text logo caption.
        QByteArray bytes = IdentityLayoutFile::encode(LayoutRecord());
        const qsizetype captionAt = 10 * 2; // ten 2-byte fields, through lblTextLogoColour
        bytes.replace(captionAt, 2, QByteArray::fromHex("0600436166e92080")); // 6, "Café €"
        writeAll(path, bytes);
        QCOMPARE(IdentityLayoutFile::read(path).value_or(LayoutRecord()).lblTextLogoCaption,
                 QStringLiteral("Café €"));

        QString error;
        writeAll(path, bytes.left(100));
        QVERIFY(!IdentityLayoutFile::read(path, &error));
        QVERIFY2(error.contains(QStringLiteral("ends inside the field")), qPrintable(error));
        // A length that runs past the end is refused, not followed.
        bytes.replace(captionAt, 2, QByteArray("\xff\xff", 2));
        writeAll(path, bytes.left(captionAt + 8));
        QVERIFY(!IdentityLayoutFile::read(path, &error));
        QVERIFY(error.contains(QStringLiteral("lblTextLogoCaption")));
        QVERIFY(!IdentityLayoutFile::read(dir.filePath(QStringLiteral("none.dat")), &error));
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
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, bad);
        const double value = text.toDouble(); // "nan" reads as NaN
        const bool damaged = bad == u"yes";
        QTemporaryDir dir;
        LayoutRecord r = fixture(1);
        realField(r, field) = value;

        const QString dat = dir.filePath(IdentityLayoutFile::fileName(1));
        const QByteArray bytes = IdentityLayoutFile::encode(r);
        writeAll(dat, bytes);
        QString error;
        const auto read = IdentityLayoutFile::read(dat, &error);
        QCOMPARE(!read, damaged);
        QCOMPARE(readAll(dat), bytes);
        const QString written = dir.filePath(QStringLiteral("9.dat"));
        QCOMPARE(IdentityLayoutFile::write(written, r), !damaged);
        QCOMPARE(QFile::exists(written), !damaged);

        // In Layout.set the damaged row is not converted; the other row is.
        QFile::remove(dat);
        writeAll(dir.filePath(LayoutFiles::kSharedLayoutFile), sharedLayoutWith(field, value));
        QString conversionError;
        QCOMPARE(LayoutFiles::convertSharedLayout(dir.path(), &conversionError), !damaged);
        QCOMPARE(QFile::exists(dat), !damaged);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("2.dat"))));
        if (damaged) {
            // The value as read, not rounded back into range.
            const QString shown =
                QStringLiteral("Its %1 is %2,")
                    .arg(field, QString::number(value, 'g', QLocale::FloatingPointShortest));
            QVERIFY2(error.contains(dat) && error.contains(shown), qPrintable(error));
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
        const int oddSize = add({QStringLiteral("X"), QStringLiteral("large"),
                                 QStringLiteral("Italic"), QString(), QString(), 0, 0, 20});
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
        QFETCH(QString, identity);
        QFETCH(QString, shared);
        QFETCH(QString, own);
        QFETCH(QString, expected);
        QFETCH(QString, report);
        const bool hasIdentity = identity == u"yes", ownFile = own == u"yes";
        TestEnv env;
        const int id = hasIdentity ? env.addIdentity(QStringLiteral("Solo")) : 0;
        const QString dat = env.file(IdentityLayoutFile::fileName(id));
        const QString other = env.file(IdentityLayoutFile::fileName(2));
        const QString sharedPath = env.file(LayoutFiles::kSharedLayoutFile);
        if (shared == u"fixture")
            writeAll(sharedPath, fixtureBytes(LayoutFiles::kSharedLayoutFile));
        else if (shared == u"broken")
            writeAll(sharedPath, "not a table");
        else if (shared == u"damaged")
            writeAll(sharedPath, sharedLayoutWith(QStringLiteral("VatRate"), qQNaN()));
        LayoutRecord designed = fixture(2);
        designed.lblTextLogoCaption = QStringLiteral("Designed since");
        QVERIFY(IdentityLayoutFile::write(other, designed));
        if (ownFile)
            QVERIFY(IdentityLayoutFile::write(dat, designed));
        const QByteArray sharedBefore = readAll(sharedPath), otherBefore = readAll(other),
                         ownBefore = readAll(dat);

        QString error;
        QCOMPARE(LayoutFiles::ensureForIdentity(env.db, env.folder(), id, &error),
                 report.isEmpty());
        if (report.isEmpty())
            QCOMPARE(error, QString());
        else
            QVERIFY2(error.contains(report) && error.contains(QStringLiteral("default layout")),
                     qPrintable(error));
        if (expected == u"kept")
            QCOMPARE(readAll(dat), ownBefore);
        else if (expected == u"converted")
            QCOMPARE(readAll(dat).toHex(' '), fixtureBytes(QStringLiteral("1.dat")).toHex(' '));
        else
            QCOMPARE(IdentityLayoutFile::read(dat),
                     std::optional<LayoutRecord>(*LayoutFiles::defaultLayout(env.db, id)));
        QCOMPARE(readAll(sharedPath), sharedBefore);
        QCOMPARE(readAll(other), otherBefore);
    }

    // The VAT default goes to the identity's own file and its row of Layout.set, together or
    // not at all.
    void vatDefaultChangesBothFilesOrNeither()
    {
        QTemporaryDir dir;
        const auto file = [&dir](const QString& name) { return dir.filePath(name); };
        for (const QString& name :
             {LayoutFiles::kSharedLayoutFile, QStringLiteral("1.dat"), QStringLiteral("2.dat")})
            writeAll(file(name), fixtureBytes(name));
        QString error;
        QVERIFY2(LayoutFiles::saveVatDefault(dir.path(), 2, true, &error), qPrintable(error));
        LayoutRecord two = fixture(2);
        two.VatReg = true;
        QCOMPARE(IdentityLayoutFile::read(file(QStringLiteral("2.dat"))),
                 std::optional<LayoutRecord>(two));
        QCOMPARE(readAll(file(QStringLiteral("1.dat"))), fixtureBytes(QStringLiteral("1.dat")));
        auto expected = Adtg::decode(fixtureBytes(LayoutFiles::kSharedLayoutFile));
        expected->rows[1].values[expected->columnIndex(QStringLiteral("VatReg"))] = true;
        QCOMPARE(readAll(file(LayoutFiles::kSharedLayoutFile)).toHex(' '),
                 Adtg::encode(*expected)->toHex(' '));

        // The second file cannot be written (it would pass the size this process may write):
        // the first gets its old bytes back.
        AdtgTable small;
        small.columns = {AdtgColumn::integer(QStringLiteral("Identity")),
                         AdtgColumn::boolean(QStringLiteral("VatReg"))};
        small.rows << AdtgRow{{2, false}, {}};
        QVERIFY(Adtg::writeFile(file(LayoutFiles::kSharedLayoutFile), small));
        LayoutRecord longFooter = fixture(2);
        longFooter.lblFooterCaption = QString(20000, u'x');
        QVERIFY(IdentityLayoutFile::write(file(QStringLiteral("2.dat")), longFooter));
        const QByteArray sharedBefore = readAll(file(LayoutFiles::kSharedLayoutFile));
        const QByteArray ownBefore = readAll(file(QStringLiteral("2.dat")));
        bool saved = true;
        {
            const FileSizeLimit limit(8192);
            saved = LayoutFiles::saveVatDefault(dir.path(), 2, true, &error);
        }
        QVERIFY(!saved);
        QVERIFY2(error.contains(QStringLiteral("2.dat cannot be written")), qPrintable(error));
        QCOMPARE(readAll(file(LayoutFiles::kSharedLayoutFile)), sharedBefore);
        QCOMPARE(readAll(file(QStringLiteral("2.dat"))), ownBefore);

        // A folder in the place of the first file: nothing is written.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("5.dat")));
        small.rows << AdtgRow{{5, false}, {}};
        QVERIFY(Adtg::writeFile(file(LayoutFiles::kSharedLayoutFile), small));
        const QByteArray withFive = readAll(file(LayoutFiles::kSharedLayoutFile));
        QVERIFY(!LayoutFiles::saveVatDefault(dir.path(), 5, true, &error));
        QCOMPARE(readAll(file(LayoutFiles::kSharedLayoutFile)), withFive);

        // Neither file holds the identity: said, not silently dropped.
        QVERIFY(!LayoutFiles::saveVatDefault(dir.path(), 7, true, &error));
        QCOMPARE(error, QStringLiteral("Identity 7 has no layout file and no row in Layout.set, "
                                       "so its VAT default cannot be saved."));
    }
};

QTEST_MAIN(TestLayoutFiles)
#include "tst_layoutfiles.moc"
