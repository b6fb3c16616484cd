#include "ropesizing.h"
#include "runtimeerror.h"
#include "stringtable.h"

#include <QTest>

using ropesize::RopeValues;
using ropesize::StringTable;

Q_DECLARE_METATYPE(runtime::ErrorKind)

class RopeSizingTest : public QObject {
    Q_OBJECT
private slots:
    void standardSize_data();
    void standardSize();
    void undefinedArithmeticStops_data();
    void undefinedArithmeticStops();
    void seriesOfTheBuiltInTable_data();
    void seriesOfTheBuiltInTable();
    void tableKeepsGapsAndHeaders();
    void malformedTableIsRefused();
};

void RopeSizingTest::standardSize_data() {
    QTest::addColumn<QString>("force");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("construction");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("margin");

    QTest::newRow("5 t, K 6, 150, 6×19: 25.82 raised to 26.5") << "5"
                                                               << "6"
                                                               << "150"
                                                               << "6×19"
                                                               << "26.5"
                                                               << "5";
    QTest::newRow("10 t, K 5, 170, 6×37") << "10"
                                          << "5"
                                          << "170"
                                          << "6×37"
                                          << "32.5"
                                          << "7";
    QTest::newRow("1 t, K 5: 10.54 raised to 11.0, its zero shown") << "1"
                                                                    << "5"
                                                                    << "150"
                                                                    << "6×19"
                                                                    << "11.0"
                                                                    << "8";
    QTest::newRow("50 t beyond every 6×19 size: computed size, no margin") << "50"
                                                                           << "6"
                                                                           << "130"
                                                                           << "6×19"
                                                                           << "87.7"
                                                                           << "";
    QTest::newRow("computed exactly 26.5 takes the next size") << "8.427"
                                                               << "5"
                                                               << "200"
                                                               << "6×19"
                                                               << "28.0"
                                                               << "10";
    // K·P = 533.91 kgf worked in double puts d on 3.7 in single precision, so the next size
    // is taken; K·P rounded to a single first would leave d just under 3.7.
    QTest::newRow("factored force in double: exactly 3.7 takes the next size") << "0.106782"
                                                                               << "5"
                                                                               << "130"
                                                                               << "6×19"
                                                                               << "4.0"
                                                                               << "14";
    // K·P = 9E42 kgf lies beyond the single range; only the diameter is kept as a single.
    QTest::newRow("factored force beyond single precision") << "3E35"
                                                            << "30000"
                                                            << "150"
                                                            << "6×19"
                                                            << "447213600000000000000.0"
                                                            << "";
    QTest::newRow("computed exactly 50.0 beyond 8×19") << "20"
                                                       << "6"
                                                       << "160"
                                                       << "8×19"
                                                       << "50.0"
                                                       << "";
    QTest::newRow("computed exactly 41 below the last 8×37 size") << "20.172"
                                                                  << "5"
                                                                  << "200"
                                                                  << "8×37"
                                                                  << "42.0"
                                                                  << "5";
    QTest::newRow("beyond 6×37") << "100"
                                 << "5"
                                 << "200"
                                 << "6×37"
                                 << "91.3"
                                 << "";
    QTest::newRow("empty force: smallest size, all strength to spare") << ""
                                                                       << "5"
                                                                       << "150"
                                                                       << "6×19"
                                                                       << "3.1"
                                                                       << "100";
    QTest::newRow("small force: first 8×19 size") << "0.01"
                                                  << "5"
                                                  << "130"
                                                  << "8×19"
                                                  << "11.5"
                                                  << "99";
    QTest::newRow("factor 5.5 counts as 6") << "5"
                                            << "5.5"
                                            << "150"
                                            << "6×19"
                                            << "26.5"
                                            << "5";
    QTest::newRow("factor 4.5 counts as 4") << "3"
                                            << "4.5"
                                            << "150"
                                            << "6×19"
                                            << "17.0"
                                            << "8";
    QTest::newRow("force read leniently") << " 5 t"
                                          << "6"
                                          << "150"
                                          << "6×19"
                                          << "26.5"
                                          << "5";
    QTest::newRow("construction of no series keeps the computed size") << "5"
                                                                       << "6"
                                                                       << "150"
                                                                       << "6*19"
                                                                       << "25.8"
                                                                       << "0";
}

void RopeSizingTest::standardSize() {
    QFETCH(QString, force);
    QFETCH(QString, factor);
    QFETCH(QString, grade);
    QFETCH(QString, construction);
    QFETCH(QString, diameter);
    QFETCH(QString, margin);

    RopeValues values;
    const auto results = ropesize::SizeRope(values,
                                            {force.toStdString(), factor.toStdString(),
                                             grade.toStdString(), construction.toStdString()},
                                            StringTable::RopeDiameters());
    QCOMPARE(QString::fromStdString(results.diameter), diameter);
    QCOMPARE(QString::fromStdString(results.margin), margin);
    QVERIFY2(!values.noStandardSize, "cleared at the end of every calculation");
}

void RopeSizingTest::undefinedArithmeticStops_data() {
    QTest::addColumn<QString>("force");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<runtime::ErrorKind>("cause");

    QTest::newRow("empty factor: margin over K = 0") << "5"
                                                     << ""
                                                     << "150" << runtime::ErrorKind::DivisionByZero;
    QTest::newRow("factor 0.4 rounds to 0") << "5"
                                            << "0.4"
                                            << "150" << runtime::ErrorKind::DivisionByZero;
    QTest::newRow("grade 0") << "5"
                             << "6"
                             << "0" << runtime::ErrorKind::DivisionByZero;
    QTest::newRow("negative force under the root") << "-5"
                                                   << "6"
                                                   << "150" << runtime::ErrorKind::InvalidCall;
    QTest::newRow("negative factor under the root") << "5"
                                                    << "-6"
                                                    << "150" << runtime::ErrorKind::InvalidCall;
    QTest::newRow("factor beyond 16 bits") << "5"
                                           << "40000"
                                           << "150" << runtime::ErrorKind::Overflow;
    QTest::newRow("force beyond single precision") << "1E40"
                                                   << "6"
                                                   << "150" << runtime::ErrorKind::Overflow;
}

void RopeSizingTest::undefinedArithmeticStops() {
    QFETCH(QString, force);
    QFETCH(QString, factor);
    QFETCH(QString, grade);
    QFETCH(runtime::ErrorKind, cause);

    RopeValues values;
    try {
        ropesize::SizeRope(values,
                           {force.toStdString(), factor.toStdString(), grade.toStdString(), "6×19"},
                           StringTable::RopeDiameters());
        QFAIL("the calculation went on");
    } catch (const runtime::RuntimeError &error) {
        QCOMPARE(error.kind(), cause);
        QCOMPARE(QString::fromUtf8(error.what()),
                 QString::fromStdString(runtime::Description(cause)));
    }
}

void RopeSizingTest::seriesOfTheBuiltInTable_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("sizes");
    QTest::addColumn<QString>("smallest");
    QTest::addColumn<QString>("largest");
    QTest::addColumn<QString>("header");

    QTest::newRow("6×19") << 0 << 29 << "3.1"
                          << "46.5"
                          << "6*19 Type";
    QTest::newRow("6×37") << 1 << 28 << "4.8"
                          << "65.0"
                          << "6*37 Type";
    QTest::newRow("8×19") << 2 << 16 << "11.5"
                          << "41.0"
                          << "8*19 Type";
    QTest::newRow("8×37") << 3 << 13 << "10.5"
                          << "42.0"
                          << "8*37 Type";
}

// A mistyped size in the data would silently choose the wrong rope; the series must be whole
// and rising, and the header must stay outside the numbers searched.
void RopeSizingTest::seriesOfTheBuiltInTable() {
    QFETCH(int, series);
    QFETCH(int, sizes);
    QFETCH(QString, smallest);
    QFETCH(QString, largest);
    QFETCH(QString, header);

    const StringTable &table = StringTable::RopeDiameters();
    const auto &construction = ropesize::Constructions().at(static_cast<std::size_t>(series));
    QCOMPARE(construction.lastNumber - construction.firstNumber + 1, sizes);
    QCOMPARE(QString::fromStdString(table.Load(construction.firstNumber - 1)), header);
    QCOMPARE(QString::fromStdString(table.Load(construction.firstNumber)), smallest);
    QCOMPARE(QString::fromStdString(table.Load(construction.lastNumber)), largest);
    double previous = 0;
    for (int number = construction.firstNumber; number <= construction.lastNumber; ++number) {
        const double size = QString::fromStdString(table.Load(number)).toDouble();
        QVERIFY2(size > previous, qPrintable(QStringLiteral("size %1").arg(number)));
        previous = size;
    }
}

void RopeSizingTest::tableKeepsGapsAndHeaders() {
    const StringTable &table = StringTable::RopeDiameters();
    for (int number : {159, 177, 178, 179})
        QVERIFY(table.Load(number).empty());
    QCOMPARE(table.LastNumber(), 193);
    QVERIFY(!table.Holds(99));
    try {
        table.Load(194);
        QFAIL("a number beyond the table was loaded");
    } catch (const runtime::RuntimeError &error) {
        QCOMPARE(error.kind(), runtime::ErrorKind::InvalidCall);
    }
}

void RopeSizingTest::malformedTableIsRefused() {
    const StringTable table = StringTable::Parse("# note\r\n\n7\tseven\r\n8\t\n");
    QCOMPARE(QString::fromStdString(table.Load(7)), QStringLiteral("seven"));
    QVERIFY(table.Load(8).empty());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, StringTable::Parse("7 seven\n"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, StringTable::Parse("7\ta\n7\tb\n"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, StringTable::Parse("x7\ta\n"));
}

QTEST_APPLESS_MAIN(RopeSizingTest)
#include "tst_ropesizing.moc"
