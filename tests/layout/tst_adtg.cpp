#include "core/DaySerial.h"
#include "layout/Adtg.h"
#include "layout/Windows1252.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>

Q_DECLARE_METATYPE(AdtgColumn)

namespace {

// The rows of the XML save of the same recordset: columns by name with their XML type, and the
// live rows (originals with their updates applied, deleted rows left out). A missing attribute
// is NULL.
struct XmlTable {
    QStringList names;
    QStringList types;
    QList<QList<std::optional<QString>>> rows;
};

XmlTable readXml(const QString& path)
{
    XmlTable t;
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&f);
    QString section; // rs:update, rs:insert, rs:delete or empty
    bool inOriginal = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const QString name = xml.qualifiedName().toString();
        if (xml.isEndElement() && name == u"rs:original")
            inOriginal = false;
        else if (xml.isEndElement() && name.startsWith(u"rs:"))
            section.clear();
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (name == u"s:AttributeType") {
            t.names << a.value(QStringLiteral("name")).toString();
        } else if (name == u"s:datatype") {
            t.types << a.value(QStringLiteral("dt:type")).toString();
        } else if (name == u"rs:update" || name == u"rs:insert" || name == u"rs:delete") {
            section = name;
        } else if (name == u"rs:original") {
            inOriginal = true;
        } else if (name == u"z:row" && section != u"rs:delete") {
            const QStringList forcedNull =
                a.value(QStringLiteral("rs:forcenull")).toString().split(u' ', Qt::SkipEmptyParts);
            const bool isUpdate = section == u"rs:update" && !inOriginal;
            QList<std::optional<QString>> row =
                isUpdate ? t.rows.takeLast() : QList<std::optional<QString>>(t.names.size());
            for (qsizetype c = 0; c < t.names.size(); ++c) {
                if (a.hasAttribute(t.names[c]))
                    row[c] = a.value(t.names[c]).toString();
                else if (forcedNull.contains(t.names[c]))
                    row[c].reset();
            }
            t.rows << row;
        }
    }
    return t;
}

bool sameValue(const QString& type, const QString& xml, const QVariant& v)
{
    if (type == u"boolean")
        return (xml == u"True") == v.toBool() && v.typeId() == QMetaType::Bool;
    if (type == u"string")
        return v.toString() == xml;
    if (type == u"dateTime") {
        const QDateTime expected = QDateTime::fromString(xml, Qt::ISODate);
        return v.canConvert<AdtgTimestamp>() ? v.value<AdtgTimestamp>().toDateTime() == expected
                                             : DaySerial::toDateTime(v.toDouble()) == expected;
    }
    if (v.metaType() == QMetaType::fromType<AdtgCurrency>()) { // exact: 1234.56 is 12345600
        const QStringList parts = xml.split(u'.');
        const qint64 units = parts[0].toLongLong() * 10000;
        const qint64 fraction = parts.value(1).leftJustified(4, u'0').toLongLong();
        return v.value<AdtgCurrency>().tenThousandths ==
               (xml.startsWith(u'-') ? units - fraction : units + fraction);
    }
    if (type == u"bin.hex")
        return v.toByteArray().toHex() == xml.toLatin1();
    if (type == u"float" || type == u"number" || type == u"r4") {
        const double expected = xml.toDouble();
        return std::abs(v.toDouble() - expected) <= 1e-9 * std::max(1.0, std::abs(expected));
    }
    return v.toLongLong() == xml.toLongLong(); // int, i2
}

// Files saved by MDAC, each with the XML save of the same recordset beside it.
const QString kSamples = QStringLiteral(BILLCRAFT_TEST_DATA "/adtg");

} // namespace

class TestAdtg : public QObject {
    Q_OBJECT
private slots:
    void samplesDecodeToTheirXml_data()
    {
        QTest::addColumn<QString>("adtg");
        const QDir dir(kSamples);
        QVERIFY(dir.exists());
        for (const QString& name : dir.entryList({QStringLiteral("*.adtg")}))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }
    void samplesDecodeToTheirXml()
    {
        QFETCH(QString, adtg);
        const QByteArray bytes = readAll(adtg);
        QString error;
        const auto table = Adtg::decode(bytes, &error);
        QVERIFY2(table, qPrintable(error));
        const QString xmlPath = adtg.chopped(4) + QStringLiteral("xml");
        const XmlTable xml = readXml(xmlPath);

        QStringList names;
        for (const AdtgColumn& c : table->columns)
            names << c.name;
        QCOMPARE(names, xml.names);
        QCOMPARE(table->columnIndex(names.last().toUpper()), names.size() - 1);
        QCOMPARE(table->rows.size(), xml.rows.size());
        for (qsizetype r = 0; r < xml.rows.size(); ++r) {
            for (qsizetype c = 0; c < xml.names.size(); ++c) {
                const QVariant& got = table->rows[r].values[c];
                const auto& want = xml.rows[r][c];
                const QString where = QStringLiteral("row %1 column %2").arg(r).arg(xml.names[c]);
                QVERIFY2(got.isNull() == !want.has_value(),
                         qPrintable(where + QStringLiteral(" null")));
                if (want)
                    QVERIFY2(sameValue(xml.types[c], *want, got),
                             qPrintable(
                                 QStringLiteral("%1: %2 vs %3").arg(where, got.toString(), *want)));
            }
        }

        // What the writer makes of it reads back the same; a file of live rows only (no
        // changes or deletions pending) comes out byte for byte.
        const auto encoded = Adtg::encode(*table, &error);
        QVERIFY2(encoded, qPrintable(error));
        const auto reread = Adtg::decode(*encoded);
        QVERIFY(reread);
        QCOMPARE(reread->columns, table->columns);
        for (qsizetype r = 0; r < table->rows.size(); ++r)
            QCOMPARE(reread->rows[r].values, table->rows[r].values);
        const QByteArray xmlText = readAll(xmlPath);
        if (!xmlText.contains("rs:update") && !xmlText.contains("rs:delete"))
            QCOMPARE(encoded->toHex(' '), bytes.toHex(' '));
    }

    // Each column type as its values are stored (hex, after the row token and any mask), what
    // reading that gives back, and that rewriting it gives the same bytes. A value its column
    // cannot hold whole and exactly (no bytes given) is refused, never cut or zeroed.
    void columnValues_data()
    {
        QTest::addColumn<AdtgColumn>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QVariant>("read"); // when not the value itself

        using T = AdtgColumn::Type;
        const auto row =
            [](const char* name, T type, quint32 maxLength, quint32 flags, const QVariant& value,
               const QByteArray& stored, const QVariant& read = {}) {
                QTest::newRow(name)
                    << AdtgColumn{QStringLiteral("Caption"), type, maxLength, 0, 0, flags} << value
                    << stored << read;
            };
        const auto refused = [&row](const char* name, T type, quint32 maxLength, quint32 flags,
                                    const QVariant& value) {
            row(name, type, maxLength, flags, value, QByteArray());
        };
        const QDateTime noon(QDate(2026, 12, 3), QTime(12, 0), Qt::UTC);
        QByteArray everyByte(256, '\0');
        for (int b = 0; b < 256; ++b)
            everyByte[b] = char(b);

        row("tiny integer", T::TinyInt, 1, 0x14, -2, "fe");
        row("unsigned tiny integer", T::UnsignedTinyInt, 1, 0x14, 254, "fe");
        row("small integer", T::SmallInt, 2, 0x14, -2, "feff");
        row("unsigned small integer", T::UnsignedSmallInt, 2, 0x14, 65534, "feff");
        row("unsigned integer", T::UnsignedInt, 4, 0x14, 0xFFFFFFFEu, "feffffff");
        row("big integer", T::BigInt, 8, 0x14, qlonglong(-2), "feffffffffffffff");
        row("unsigned big integer", T::UnsignedBigInt, 8, 0x14, ~qulonglong(1), "feffffffffffffff");
        row("unsigned big integer from an int", T::UnsignedBigInt, 8, 0x14, 7, "0700000000000000",
            qulonglong(7));
        row("GUID", T::Guid, 16, 0x14,
            QUuid(QStringLiteral("{00112233-4455-6677-8899-aabbccddeeff}")),
            "33221100554477668899aabbccddeeff");
        row("DBDate", T::DbDate, 6, 0x14, QVariant::fromValue(AdtgDate{2026, 12, 3}),
            "ea070c000300");
        row("DBDate, no such day", T::DbDate, 6, 0x14, QVariant::fromValue(AdtgDate{-1, 2, 30}),
            "ffff02001e00");
        row("DBDate from a date", T::DbDate, 6, 0x14, QDate(2026, 12, 3), "ea070c000300",
            QVariant::fromValue(AdtgDate{2026, 12, 3}));
        row("DBTime", T::DbTime, 6, 0x14, QVariant::fromValue(AdtgTime{23, 59, 61}),
            "17003b003d00");
        row("single", T::Single, 4, 0x14, 1.5, "0000c03f");
        row("currency", T::Currency, 8, 0x14, QVariant::fromValue(AdtgCurrency{-12345678901234}),
            "0ed0318cc5f4ffff");
        row("currency from a number", T::Currency, 8, 0x14, 12.5, "48e8010000000000",
            QVariant::fromValue(AdtgCurrency{125000}));
        row("date", T::Date, 8, 0x14, 46359.5, "00000000f0a2e640");
        row("timestamp to the nanosecond", T::Timestamp, 16, 0x14,
            QVariant::fromValue(AdtgTimestamp{2026, 12, 3, 23, 59, 58, 123456789}),
            "ea070c00030017003b003a0015cd5b07");
        row("timestamp from a date and time", T::Timestamp, 16, 0x14, noon,
            "ea070c0003000c000000000000000000",
            QVariant::fromValue(AdtgTimestamp{2026, 12, 3, 12, 0, 0, 0}));
        // A BSTR keeps its four-byte length whatever its maxLength says.
        row("BSTR", T::Bstr, 4, 0x84, QStringLiteral("Hé"), "040000004800e900");
        row("narrow string", T::NarrowString, 50, 0x04, QStringLiteral("Café €"), "06436166e92080");
        // A column that cannot be NULL holds its empty value instead.
        row("NULL integer where none can be", T::Integer, 4, 0x14, QVariant(), "00000000", 0);
        row("NULL text where none can be", T::WideString, 0xFFFFFFFF, 0x84, QVariant(), "00000000",
            QStringLiteral(""));
        // Empty is not NULL, in a column that could hold NULL.
        row("narrow string, empty", T::NarrowString, 50, 0x24, QStringLiteral(""), "00");
        // Windows-1252 is one-to-one over all 256 bytes, the five it leaves undefined included.
        row("narrow string, every byte", T::NarrowString, 1000, 0x84,
            Windows1252::decode(everyByte), "00010000" + everyByte.toHex());
        // Longer than the defined size, yet within what its length counts: stored whole.
        row("wide string past its size", T::WideString, 10, 0x04, QString(100, u'x'),
            "c8" + QByteArray("7800").repeated(100));
        row("bytes past their size", T::Bytes, 16, 0x04, QByteArray(200, '\x7f'),
            "c8" + QByteArray("7f").repeated(200));
        // Fixed widths: no length; shorter values are padded and read back padded.
        row("fixed wide string", T::WideString, 4, 0x14, QStringLiteral("ab"), "6100620020002000",
            QStringLiteral("ab  "));
        row("fixed narrow string", T::NarrowString, 3, 0x14, QStringLiteral("ab"), "616220",
            QStringLiteral("ab "));
        row("fixed bytes", T::Bytes, 4, 0x14, QByteArray("\x01\x02"), "01020000",
            QByteArray("\x01\x02\x00\x00", 4));

        refused("past a one-byte length", T::WideString, 40, 0x04, QString(128, u'x'));
        refused("wider than fixed", T::NarrowString, 3, 0x14, QStringLiteral("abcd"));
        refused("outside Windows-1252", T::NarrowString, 50, 0x04, QStringLiteral("Ω"));
        refused("bytes past a one-byte length", T::Bytes, 16, 0x04, QByteArray(256, 'x'));
        refused("small integer out of range", T::SmallInt, 2, 0x14, 40000);
        refused("unsigned tiny integer negative", T::UnsignedTinyInt, 1, 0x14, -1);
        refused("unsigned integer out of range", T::UnsignedInt, 4, 0x14, 0x100000000LL);
        refused("big integer past 2^63", T::BigInt, 8, 0x14, 0x1p63);
        refused("big integer from a large unsigned", T::BigInt, 8, 0x14, ~qulonglong(0));
        refused("GUID from text", T::Guid, 16, 0x14, QStringLiteral("not a GUID"));
        refused("integer from text", T::Integer, 4, 0x14, QStringLiteral("abc"));
        refused("integer with a fraction", T::Integer, 4, 0x14, 2.5);
        refused("currency NaN", T::Currency, 8, 0x14, qQNaN());
        refused("currency too large", T::Currency, 8, 0x14, 1e300);
        refused("single too large", T::Single, 4, 0x14, 1e300);
    }
    void columnValues()
    {
        QFETCH(AdtgColumn, column);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, stored);
        QFETCH(QVariant, read);
        if (!read.isValid())
            read = value;

        AdtgTable t;
        t.columns = {AdtgColumn::integer(QStringLiteral("ID")), column};
        if (stored.isEmpty())
            t.rows << AdtgRow{{1, QVariant()}, {}};
        t.rows << AdtgRow{{2, value}, {}};
        QString error;
        const auto bytes = Adtg::encode(t, &error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Layout.set"));
        if (stored.isEmpty()) {
            QVERIFY(!bytes);
            QVERIFY2(error.startsWith(QStringLiteral("Row 2, column Caption: ")),
                     qPrintable(error));
            QVERIFY(!Adtg::writeFile(path, t));
            QVERIFY(!QFile::exists(path));
            return;
        }
        QVERIFY2(bytes, qPrintable(error));
        QCOMPARE(bytes->right(stored.size() / 2 + 1).toHex(), stored + "0f");
        QVERIFY(Adtg::writeFile(path, t));
        const auto back = Adtg::readFile(path, &error);
        QVERIFY2(back, qPrintable(error));
        QCOMPARE(back->columns, t.columns);
        QCOMPARE(back->rows[0].values[1], read);
        QCOMPARE(back->rows[0].values[1].metaType(), read.metaType());
        QCOMPARE(Adtg::encode(*back)->toHex(), bytes->toHex());
    }

    void damagedInputIsRefusedNeverFollowed()
    {
        QString error;
        QVERIFY(!Adtg::decode(QByteArray(), &error));
        QVERIFY(!Adtg::decode("Name,Value\n", &error));
        QVERIFY2(error.contains(QStringLiteral("not an ADTG file")), qPrintable(error));

        AdtgTable t;
        t.columns = {AdtgColumn::integer(QStringLiteral("ID")),
                     AdtgColumn::text(QStringLiteral("Text"), true)};
        t.rows << AdtgRow{{1, QStringLiteral("hello")}, {}};
        const QByteArray good = *Adtg::encode(t);
        // Every cut is refused; every flipped byte decodes or is refused, without a crash.
        for (qsizetype n = 0; n < good.size(); ++n)
            QVERIFY(!Adtg::decode(good.left(n)));
        for (qsizetype i = 0; i < good.size(); ++i) {
            QByteArray bad = good;
            bad[i] = char(~bad[i]);
            Adtg::decode(bad);
        }
        // A string length far past the end is an error, not an allocation.
        QByteArray huge = good;
        const qsizetype at = huge.indexOf(QByteArray("\x0a\x00\x00\x00", 4));
        QVERIFY(at > 0);
        huge.replace(at, 4, QByteArray("\xff\xff\xff\x7f", 4));
        QVERIFY(!Adtg::decode(huge, &error));
        QVERIFY2(error.contains(QStringLiteral("past the end")), qPrintable(error));

        QByteArray unknownType = good;
        const qsizetype typeAt = unknownType.indexOf(QByteArray("\x82\x00", 2));
        unknownType[typeAt] = char(12); // a VARIANT column
        QVERIFY(!Adtg::decode(unknownType, &error));
        QVERIFY2(error.contains(QStringLiteral("unsupported type 12")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestAdtg)
#include "tst_adtg.moc"
