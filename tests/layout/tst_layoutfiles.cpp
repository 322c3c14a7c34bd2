#include "layout/Adtg.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

// An all-zero record: 51 Int, 25 Bool and 31 empty Text fields of 2 bytes, 12 Real of 8.
constexpr qsizetype kEmptyRecordBytes = 310;

QByteArray le16(int v)
{
    return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF));
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestLayoutFiles : public QObject {
    Q_OBJECT
private slots:
    void recordBytesAreExactlyTheFieldsInOrder()
    {
        QCOMPARE(IdentityLayoutFile::encode(LayoutRecord()).size(), kEmptyRecordBytes);

        LayoutRecord r;
        r.PicLogoLeft = 360;
        r.PicLogoTop = -2;
        r.PicLogoName = QStringLiteral("logo.bmp");
        r.PicLogoShow = true;
        r.PicLogoWidth = 2535;
        r.lblTextLogoFontSize = 9.75;
        r.Identity = 5;
        QByteArray expected = le16(360) + le16(0xFFFE) + le16(8) + "logo.bmp" +
                              QByteArray("\xFF\xFF", 2) + le16(2535) + le16(0) + // height
                              le16(0) + le16(0) + le16(0) + le16(0) + le16(0) +  // left .. caption
                              QByteArray("\x00\x00\x00\x00\x00\x80\x23\x40", 8); // 9.75
        const QByteArray bytes = IdentityLayoutFile::encode(r);
        QCOMPARE(bytes.left(expected.size()).toHex(' '), expected.toHex(' '));
        QCOMPARE(bytes.right(2), le16(5)); // Identity is the last field
        QCOMPARE(IdentityLayoutFile::decode(bytes), std::optional<LayoutRecord>(r));
    }

    void textsAreStoredWholeAndOldTailsKept()
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
        const auto back = IdentityLayoutFile::read(path);
        QVERIFY(back);
        QCOMPARE(back->lblFooterCaption, huge.lblFooterCaption.chopped(1));
        QCOMPARE(back->lblAddressCaption, huge.lblAddressCaption);
    }

    void earlierInstallationsAndDamagedFiles()
    {
        QTemporaryDir dir;
        // An earlier installation wrote "Café €" in Windows-1252 as the text logo caption.
        LayoutRecord plain;
        QByteArray bytes = IdentityLayoutFile::encode(plain);
        const qsizetype captionAt =
            2 + 2 + 2 + 2 + 2 + 2 + 2 + 2 + 2 + 2; // through lblTextLogoColour
        QCOMPARE(bytes.mid(captionAt, 2), le16(0));
        bytes.replace(captionAt, 2, le16(6) + QByteArray("Caf\xE9 \x80", 6));
        const QString path = dir.filePath(QStringLiteral("7.dat"));
        writeAll(path, bytes);
        const auto read = IdentityLayoutFile::read(path);
        QVERIFY(read);
        QCOMPARE(read->lblTextLogoCaption, QStringLiteral("Café €"));

        QString error;
        writeAll(path, bytes.left(100));
        QVERIFY(!IdentityLayoutFile::read(path, &error));
        QVERIFY2(error.contains(QStringLiteral("ends inside the field")), qPrintable(error));
        // A length that runs past the end is refused, not followed.
        bytes.replace(captionAt, 2, le16(0xFFFF));
        writeAll(path, bytes.left(captionAt + 8));
        QVERIFY(!IdentityLayoutFile::read(path, &error));
        QVERIFY(error.contains(QStringLiteral("lblTextLogoCaption")));
        QVERIFY(!IdentityLayoutFile::read(dir.filePath(QStringLiteral("none.dat")), &error));
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

        QCOMPARE(LayoutFiles::defaultLayout(env.db, oddSize)->lblTextLogoFontSize, 10.0);
        QVERIFY(!LayoutFiles::defaultLayout(env.db, 999));
    }

    void startUpMakesTheFileOnceFromTheRightSource()
    {
        TestEnv env;
        const int id = env.addIdentity(QStringLiteral("Solo"));
        const QString dat = env.file(IdentityLayoutFile::fileName(id));
        QVERIFY(LayoutFiles::ensureForIdentity(env.db, env.folder(), 0)); // no identity: nothing
        QVERIFY(LayoutFiles::ensureForIdentity(env.db, env.folder(), id));
        QCOMPARE(IdentityLayoutFile::read(dat)->lblTextLogoCaption, QStringLiteral("Solo"));

        // With its file present neither source is looked at, not even a broken Layout.set.
        writeAll(env.file(LayoutFiles::kSharedLayoutFile), "not a table");
        const QByteArray before = readAll(dat);
        env.exec(QStringLiteral("UPDATE TblUserData SET TextLogo = 'Renamed'"));
        QVERIFY(LayoutFiles::ensureForIdentity(env.db, env.folder(), id));
        QCOMPARE(readAll(dat), before);
        QCOMPARE(readAll(env.file(LayoutFiles::kSharedLayoutFile)), QByteArray("not a table"));

        // Without it, a broken Layout.set is reported and nothing is written.
        QFile::remove(dat);
        QString error;
        QVERIFY(!LayoutFiles::ensureForIdentity(env.db, env.folder(), id, &error));
        QVERIFY2(error.contains(QStringLiteral("Layout.set")), qPrintable(error));
        QVERIFY(!QFile::exists(dat));
    }

    void sharedLayoutConvertsEveryRowAndTakesTheVatDefault()
    {
        TestEnv env;
        AdtgTable table;
        for (const LayoutField& f : LayoutFields::all()) {
            const QString name = QLatin1String(f.name);
            switch (f.type) {
            case LayoutField::Type::Int:
                table.columns << AdtgColumn::integer(name);
                break;
            case LayoutField::Type::Bool:
                table.columns << AdtgColumn::boolean(name);
                break;
            case LayoutField::Type::Real:
                table.columns << AdtgColumn::real(name);
                break;
            case LayoutField::Type::Text:
                table.columns << AdtgColumn::text(name);
                break;
            }
        }
        QList<LayoutRecord> expected;
        for (int identity : {1, 2, 5}) {
            LayoutRecord r = LayoutRecord::designerDefaults();
            r.Identity = qint16(identity);
            r.lblTextLogoCaption = QStringLiteral("Identity %1").arg(identity);
            r.VatRate = 17.5 + identity;
            r.VatReg = identity != 2;
            r.lblFooterLeft = qint16(100 * identity);
            AdtgRow row;
            for (const LayoutField& f : LayoutFields::all()) {
                switch (f.type) {
                case LayoutField::Type::Int:
                    row.values << int(r.*f.intMember);
                    break;
                case LayoutField::Type::Bool:
                    row.values << r.*f.boolMember;
                    break;
                case LayoutField::Type::Real:
                    row.values << r.*f.realMember;
                    break;
                case LayoutField::Type::Text:
                    row.values << r.*f.textMember;
                    break;
                }
            }
            table.rows << row;
            expected << r;
        }
        // An identity whose own file was written since keeps it.
        LayoutRecord designed = expected[0];
        designed.Identity = 3;
        designed.lblTextLogoCaption = QStringLiteral("Designed since");
        const QString designedPath = env.file(IdentityLayoutFile::fileName(3));
        QVERIFY(IdentityLayoutFile::write(designedPath, designed));
        table.rows << table.rows[0];
        table.rows.back().values[table.columnIndex(QStringLiteral("Identity"))] = 3;

        const QString shared = env.file(LayoutFiles::kSharedLayoutFile);
        QVERIFY(Adtg::writeFile(shared, table));
        const QByteArray sharedBefore = readAll(shared);

        QVERIFY(LayoutFiles::convertSharedLayout(env.folder()));
        for (const LayoutRecord& r : expected)
            QCOMPARE(IdentityLayoutFile::read(env.file(IdentityLayoutFile::fileName(r.Identity))),
                     std::optional<LayoutRecord>(r));
        QCOMPARE(IdentityLayoutFile::read(designedPath), std::optional<LayoutRecord>(designed));
        QCOMPARE(readAll(shared), sharedBefore);

        // The VAT default goes to the identity's own file and to its row of Layout.set.
        QString error;
        QVERIFY2(LayoutFiles::saveVatDefault(env.folder(), 2, true, &error), qPrintable(error));
        QVERIFY(IdentityLayoutFile::read(env.file(QStringLiteral("2.dat")))->VatReg);
        const auto after = Adtg::readFile(shared);
        QVERIFY(after);
        const int vat = after->columnIndex(QStringLiteral("VatReg"));
        QCOMPARE(after->rows[1].values[vat].toBool(), true);
        QCOMPARE(after->rows[0].values, table.rows[0].values);
    }
};

QTEST_MAIN(TestLayoutFiles)
#include "tst_layoutfiles.moc"
