#include "sectionfile.h"

#include <QTest>

using namespace sections;

class SectionFileTest : public QObject {
    Q_OBJECT
private slots:
    void shortInputLeavesRecord();
};

void SectionFileTest::shortInputLeavesRecord() {
    SectionRecord record;
    record.A = 5;
    const SectionFileBytes bytes{};
    QVERIFY(!DecodeSectionFile(std::span(bytes.data(), 111), record));
    QCOMPARE(record.A, 5.0f);
}

QTEST_APPLESS_MAIN(SectionFileTest)
#include "tst_sectionfile.moc"
