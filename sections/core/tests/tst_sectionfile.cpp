#include "fields.h"
#include "sectionfile.h"
#include "sectionproperties.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <cmath>
#include <limits>

using namespace sections;

namespace {

// A record with a distinct value in every slot, including values a careless encoding would
// alter: a negative zero, an infinity, a quiet NaN with a payload and a negative shape code.
SectionRecord Distinct() {
    SectionRecord record;
    float value = 1.25f;
    for (const auto &[name, member] : RecordSlots) {
        record.*member = value;
        value = value * -1.5f + 0.125f;
    }
    record.x = -0.0f;
    record.ey = std::numeric_limits<float>::infinity();
    record.Wy2 = std::bit_cast<float>(0x7fc12345u);
    record.shape = -7;
    return record;
}

QByteArray Bytes(const SectionFileBytes &bytes) {
    return QByteArray(reinterpret_cast<const char *>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

std::span<const std::uint8_t> Span(const QByteArray &bytes) {
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

QByteArray LittleEndian(std::uint32_t word) {
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(static_cast<char>((word >> (8 * i)) & 0xff));
    return bytes;
}

void WriteRaw(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class SectionFileTest : public QObject {
    Q_OBJECT
private slots:
    void fieldOffsets_data();
    void fieldOffsets();
    void roundTripIsByteForByte();
    void iBeamDocument();
    void shortFileLeavesRecord_data();
    void shortFileLeavesRecord();
    void longFileOpensFromFirst112Bytes();
    void unwritableFileFails();
    void saveReplacesExistingDocument();

private:
    QTemporaryDir directory;
};

void SectionFileTest::fieldOffsets_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("offset");
    const char *order[] = {"A",  "x",  "y",  "Ix", "Iy", "Wx1", "Wy1",   "Wx2", "Wy2", "Sx",
                           "ex", "ey", "B",  "B1", "b1", "B2",  "d1",    "d2",  "H",   "h1",
                           "t1", "t2", "t3", "t4", "t5", "t6",  "shape", "In"};
    int offset = 0;
    for (const char *field : order) {
        QTest::newRow(field) << QString(field) << offset;
        offset += 4;
    }
}

// Each field alone, set in a zero record, lands little-endian at its own offset and nowhere else.
void SectionFileTest::fieldOffsets() {
    QFETCH(QString, field);
    QFETCH(int, offset);
    SectionRecord record;
    std::uint32_t word = 0;
    if (field == "shape") {
        record.shape = 0x01020304;
        word = 0x01020304;
    } else {
        Slot(record, field) = -1234.5f;
        word = std::bit_cast<std::uint32_t>(-1234.5f);
    }
    QByteArray expected(112, '\0');
    expected.replace(offset, 4, LittleEndian(word));
    QCOMPARE(Bytes(EncodeSectionFile(record)).toHex(' '), expected.toHex(' '));
}

void SectionFileTest::roundTripIsByteForByte() {
    const SectionRecord saved = Distinct();
    const QString path = directory.filePath("roundtrip.xyz");
    QVERIFY(WriteSectionFile(path.toStdString(), saved));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray onDisk = file.readAll();
    QCOMPARE(onDisk.size(), 112);
    QCOMPARE(onDisk.toHex(' '), Bytes(EncodeSectionFile(saved)).toHex(' '));

    // The trapezoidal box's l, d3 and d4 do not travel; the opened record keeps its own.
    SectionRecord opened;
    opened.l = 1, opened.d3 = 2, opened.d4 = 3;
    QVERIFY(ReadSectionFile(path.toStdString(), opened));
    QCOMPARE(Bytes(EncodeSectionFile(opened)).toHex(' '), onDisk.toHex(' '));
    QCOMPARE(opened.shape, saved.shape);
    QVERIFY(std::signbit(opened.x));
    QCOMPARE(std::bit_cast<std::uint32_t>(opened.Wy2), 0x7fc12345u);
    QCOMPARE(opened.l, 1.0f);
    QCOMPARE(opened.d3, 2.0f);
    QCOMPARE(opened.d4, 3.0f);
}

// Saved straight after an I-beam is computed in a fresh run: the slots an I-beam neither takes
// nor yields are still zero.
void SectionFileTest::iBeamDocument() {
    SectionRecord record;
    SectionDimensions d;
    d.B1 = d.B2 = 200, d.t1 = d.t2 = 10, d.H = 400, d.t3 = 8;
    ComputeSectionProperties(record, shapes::IBeam, d);
    const QString path = directory.filePath("ibeam.xyz");
    QVERIFY(WriteSectionFile(path.toStdString(), record));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 112);
    QCOMPARE(bytes.mid(104, 4).toHex(), LittleEndian(3).toHex());
    const std::pair<const char *, int> zeros[] = {{"x", 4},   {"ex", 40}, {"ey", 44}, {"B", 48},
                                                  {"b1", 56}, {"d1", 64}, {"d2", 68}, {"h1", 76},
                                                  {"t4", 92}, {"t5", 96}, {"t6", 100}};
    for (const auto &[field, offset] : zeros)
        QVERIFY2(bytes.mid(offset, 4) == QByteArray(4, '\0'), field);
    QCOMPARE(bytes.mid(52, 4).toHex(), LittleEndian(std::bit_cast<std::uint32_t>(200.0f)).toHex());
}

void SectionFileTest::shortFileLeavesRecord_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("cut inside the dimensions") << 57;
    QTest::newRow("shape present, torsion constant missing") << 108;
    QTest::newRow("one byte short") << 111;
}

// A truncated document is refused whole: the current section stays exactly as it was, and
// not only the slots after the cut.
void SectionFileTest::shortFileLeavesRecord() {
    QFETCH(int, length);
    const QByteArray full = Bytes(EncodeSectionFile(Distinct()));
    const QString path = directory.filePath("short.xyz");
    WriteRaw(path, full.left(length));

    SectionRecord current;
    current.shape = 3;
    current.A = 7200;
    current.B1 = 200;
    const SectionRecord before = current;
    QVERIFY(!ReadSectionFile(path.toStdString(), current));
    QVERIFY(current == before);
    QVERIFY(!DecodeSectionFile(Span(full.left(length)), current));
    QVERIFY(current == before);
}

void SectionFileTest::longFileOpensFromFirst112Bytes() {
    const SectionRecord saved = Distinct();
    const QByteArray full = Bytes(EncodeSectionFile(saved));
    const QString path = directory.filePath("long.xyz");
    WriteRaw(path, full + QByteArray(300, '\x7f'));

    SectionRecord opened;
    QVERIFY(ReadSectionFile(path.toStdString(), opened));
    QCOMPARE(Bytes(EncodeSectionFile(opened)).toHex(' '), full.toHex(' '));
}

void SectionFileTest::unwritableFileFails() {
    SectionRecord record = Distinct();
    const SectionRecord before = record;
    const std::string missing = directory.filePath("no such folder/section.xyz").toStdString();
    QVERIFY(!WriteSectionFile(missing, record));
    QVERIFY(!ReadSectionFile(missing, record));
    // The record holds a NaN, so compare what it would save and the slots the file omits.
    QCOMPARE(Bytes(EncodeSectionFile(record)), Bytes(EncodeSectionFile(before)));
    QVERIFY(record.l == before.l && record.d3 == before.d3 && record.d4 == before.d4);
}

// Saving over a document leaves exactly the new 112 bytes and no temporary file beside it.
void SectionFileTest::saveReplacesExistingDocument() {
    QTemporaryDir folder;
    const QString path = folder.filePath("girder.xyz");
    WriteRaw(path, QByteArray(500, 'x'));
    const SectionRecord record = Distinct();
    QVERIFY(WriteSectionFile(path.toStdString(), record));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toHex(' '), Bytes(EncodeSectionFile(record)).toHex(' '));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"girder.xyz"});
}

QTEST_APPLESS_MAIN(SectionFileTest)
#include "tst_sectionfile.moc"
