#include "core/DaySerial.h"
#include "layout/Adtg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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
        if (xml.isEndElement()) {
            if (name == u"rs:update" || name == u"rs:insert" || name == u"rs:delete")
                section.clear();
            if (name == u"rs:original")
                inOriginal = false;
            continue;
        }
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
        return v.typeId() == QMetaType::QDateTime ? v.toDateTime() == expected
                                                  : DaySerial::toDateTime(v.toDouble()) == expected;
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
        QString xmlPath = adtg;
        xmlPath.replace(QStringLiteral(".adtg"), QStringLiteral(".xml"));
        const XmlTable xml = readXml(xmlPath);

        QStringList names;
        for (const AdtgColumn& c : table->columns)
            names << c.name;
        QCOMPARE(names, xml.names);
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
        const QByteArray again = Adtg::encode(*table);
        const auto reread = Adtg::decode(again);
        QVERIFY(reread);
        QCOMPARE(reread->columns, table->columns);
        for (qsizetype r = 0; r < table->rows.size(); ++r)
            QCOMPARE(reread->rows[r].values, table->rows[r].values);
        const QByteArray xmlText = readAll(xmlPath);
        if (!xmlText.contains("rs:update") && !xmlText.contains("rs:delete"))
            QCOMPARE(again.toHex(' '), bytes.toHex(' '));
    }

    void tableBuiltInCodeRoundTripsThroughAFile()
    {
        AdtgTable t;
        t.columns = {AdtgColumn::integer(QStringLiteral("Identity")),
                     AdtgColumn::boolean(QStringLiteral("VatReg")),
                     AdtgColumn::real(QStringLiteral("VatRate"), true),
                     AdtgColumn::text(QStringLiteral("Caption")),
                     AdtgColumn::text(QStringLiteral("Notes"), true)};
        t.rows << AdtgRow{{5, true, 17.5, QStringLiteral("Café € Ltd"), QVariant()}, {}};
        t.rows << AdtgRow{{-7, false, QVariant(), QString(), QStringLiteral("x")}, {}};
        t.rows << AdtgRow{{1, true, 0.0, QStringLiteral("new"), QVariant()},
                          AdtgRow::Form::Inserted};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Layout.set"));
        QVERIFY(Adtg::writeFile(path, t));
        const auto back = Adtg::readFile(path);
        QVERIFY(back);
        QCOMPARE(back->columns, t.columns);
        QCOMPARE(back->rows.size(), 3);
        QCOMPARE(back->rows[0].values, t.rows[0].values);
        // A column that cannot be NULL holds its empty value instead.
        QCOMPARE(back->rows[1].values,
                 QVariantList({-7, false, QVariant(), QString(), QStringLiteral("x")}));
        QCOMPARE(back->rows[2].values, t.rows[2].values);
        QCOMPARE(back->rows[2].form, AdtgRow::Form::Inserted);
        QCOMPARE(back->columnIndex(QStringLiteral("vatrate")), 2);
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
        const QByteArray good = Adtg::encode(t);
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
        unknownType[typeAt] = char(72); // a GUID column
        QVERIFY(!Adtg::decode(unknownType, &error));
        QVERIFY2(error.contains(QStringLiteral("unsupported type 72")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestAdtg)
#include "tst_adtg.moc"
