#include "workclass.h"

#include <QTest>

using namespace workclass;

class WorkClassTest : public QObject {
    Q_OBJECT
private slots:
    void classMatrix_data();
    void classMatrix();
    void spectrumIsKeptAsSingle();
};

void WorkClassTest::classMatrix_data() {
    QTest::addColumn<double>("cycles");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("expected"); // empty: no class

    QTest::newRow("first row upper bound") << 16000.0 << 0.6f << "A2/1Bm";
    QTest::newRow("just above first row") << 16000.5 << 0.6f << "A3/1Bm";
    QTest::newRow("ninth row upper bound") << 4000000.0 << 0.1f << "A7/4m";
    QTest::newRow("last row") << 4000001.0 << 0.1f << "A8/5m";
    QTest::newRow("zero cycles, negative factor") << 0.0 << -1.0f << "A1/1Bm";
    QTest::newRow("factor 0.125 in first column") << 300000.0 << 0.125f << "A4/1Am";
    QTest::newRow("factor 0.25 in second column") << 300000.0 << 0.25f << "A5/2m";
    QTest::newRow("factor 0.5 in third column") << 300000.0 << 0.5f << "A6/3m";
    QTest::newRow("factor 1 in last column") << 300000.0 << 1.0f << "A7/4m";
    QTest::newRow("worked example") << 518400.0 << 0.5391f << "A8/5m";
    QTest::newRow("factor above 1") << 300000.0 << 1.0000001f << "";
    QTest::newRow("factor 2") << 300000.0 << 2.0f << "";
}

void WorkClassTest::classMatrix() {
    QFETCH(double, cycles);
    QFETCH(float, factor);
    QFETCH(QString, expected);
    const auto actual = WorkingClass(cycles, factor);
    QCOMPARE(actual ? QString::fromStdString(*actual) : QString(), expected);
}

void WorkClassTest::spectrumIsKeptAsSingle() {
    // A double sum just above 0.125 that is 0.125 as a single belongs to the first column.
    LoadSpectrum spectrum;
    spectrum.maximumLoad = 1;
    spectrum.loads = {1, 0, 0, 0, 0};
    spectrum.shares = {12.50000001, 0, 0, 0, 0};
    QCOMPARE(LoadSpectrumFactor(spectrum), 0.125f);
    QCOMPARE(QString::fromStdString(*WorkingClass(300000, LoadSpectrumFactor(spectrum))),
             QStringLiteral("A4/1Am"));

    spectrum.maximumLoad = 10;
    spectrum.loads = {10, 5, 2, 0, 0};
    spectrum.shares = {50, 30, 20, 0, 0};
    QCOMPARE(LoadSpectrumFactor(spectrum), static_cast<float>(0.5 + 0.0375 + 0.0016));
    QCOMPARE(TotalCycles({8, 5, 20}), 518400.0);
    QCOMPARE(TotalCycles({80, 81, 1}), 16000.0);
}

QTEST_APPLESS_MAIN(WorkClassTest)
#include "tst_workclass.moc"
