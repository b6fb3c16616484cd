#include "numbers.h"

#include <QTest>

#include <limits>

using namespace runtime;

Q_DECLARE_METATYPE(std::string)

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void readNumber_data();
    void readNumber();
    void textToNumber_data();
    void textToNumber();
    void textToNumberRefuses_data();
    void textToNumberRefuses();
    void numberText();
    void formatNumber_data();
    void formatNumber();
    void formatSingleAsItReads();
    void roundingToIntegers();
    void checkedArithmetic();
};

void NumbersTest::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("blanks inside") << " 1 2.5" << 12.5;
    QTest::newRow("stops at letters") << "12abc" << 12.0;
    QTest::newRow("signed pure fraction") << "-.5" << -0.5;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("exponent E") << "1e3" << 1000.0;
    QTest::newRow("exponent D") << "1D2" << 100.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("hexadecimal") << "&HFF" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("no digits") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("comma ends") << "1,5" << 1.0;
    QTest::newRow("tabs and line feeds") << "\t3\n4" << 34.0;
    QTest::newRow("full-width digit ends") << "５" << 0.0;
}

void NumbersTest::readNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ReadNumber(text.toStdString()), expected);
}

void NumbersTest::textToNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("blanks around") << " 12.5 " << 12.5;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("hexadecimal") << "&HFF" << 255.0;
}

void NumbersTest::textToNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(TextToNumber(text.toStdString()), expected);
}

void NumbersTest::textToNumberRefuses_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("trailing letters") << "12abc";
    QTest::newRow("blank inside") << "1 2";
    QTest::newRow("sign only") << "-";
    QTest::newRow("point only") << ".";
}

void NumbersTest::textToNumberRefuses() {
    QFETCH(QString, text);
    try {
        TextToNumber(text.toStdString());
        QFAIL("accepted a text that is not a number");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), ErrorKind::TypeMismatch);
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("类型不匹配"));
    }
}

void NumbersTest::numberText() {
    const QList<QPair<std::string, std::string>> cases = {
        {NumberText(3649.268292682927), "3649.26829268293"},
        {NumberText(23.873241f), "23.87324"},
        {NumberText(0.5), "0.5"},
        {NumberText(2.0), "2"},
        {NumberText(-1.25), "-1.25"},
        {NumberText(-0.0), "0"},
        {NumberText(1e15), "1E+15"},
        {NumberText(123456789012345.0), "123456789012345"},
        {NumberText(0.00001), "1E-05"},
        {NumberText(0.0001), "0.0001"},
        {NumberText(12345678.0f), "1.234568E+07"},
        {NumberText(0.1f), "0.1"},
        {NumberTextLeadingBlank(34000.0), " 34000"},
        {NumberTextLeadingBlank(0.5), " .5"},
        {NumberTextLeadingBlank(-3.0), "-3"},
        {NumberTextLeadingBlank(-0.5), "-.5"},
        {NumberTextLeadingBlank(std::string_view("1437")), " 1437"},
    };
    for (const auto &[actual, expected] : cases)
        QCOMPARE(QString::fromStdString(actual), QString::fromStdString(expected));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, NumberText(std::numeric_limits<double>::infinity()));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, NumberText(std::nanf("")));
}

void NumbersTest::formatNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one decimal") << 26.5 << "###0.0"
                                 << "26.5";
    QTest::newRow("rounds up") << 87.66 << "###0.0"
                               << "87.7";
    QTest::newRow("whole padded") << 5.0 << "###0.0"
                                  << "5.0";
    QTest::newRow("below one keeps zero") << 0.25 << "###0.0"
                                          << "0.3";
    QTest::newRow("whole millimetres") << 1437.4 << "######"
                                       << "1437";
    QTest::newRow("zero under hashes") << 0.4 << "######"
                                       << "";
    QTest::newRow("half away from zero") << 2.5 << "0"
                                         << "3";
    QTest::newRow("negative half") << -2.5 << "0"
                                   << "-3";
    QTest::newRow("decimal half") << 2.675 << "0.00"
                                  << "2.68";
    QTest::newRow("carry") << 9.96 << "0.0"
                           << "10.0";
    QTest::newRow("optional fraction") << 0.5 << "#.##"
                                       << ".5";
    QTest::newRow("large") << 123456789.0 << "######"
                           << "123456789";
}

void NumbersTest::formatNumber() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(FormatNumber(value, pattern.toStdString())), expected);
}

void NumbersTest::formatSingleAsItReads() {
    QCOMPARE(QString::fromStdString(FormatNumber(123.45f, "###0.0")), "123.5");
    QCOMPARE(QString::fromStdString(FormatNumber(87.70580f, "###0.0")), "87.7");
    QCOMPARE(QString::fromStdString(FormatNumber(0.0f, "###0.0")), "0.0");
    QCOMPARE(QString::fromStdString(FormatNumber(1e20f, "###0.0")), "100000000000000000000.0");
}

void NumbersTest::roundingToIntegers() {
    QCOMPARE(RoundToInt32(2.5), 2);
    QCOMPARE(RoundToInt32(3.5), 4);
    QCOMPARE(RoundToInt32(-2.5), -2);
    QCOMPARE(RoundToInt32(7.5), 8);
    QCOMPARE(RoundToInt32(6.5), 6);
    QCOMPARE(RoundToInt16(32767.4), std::int16_t(32767));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, RoundToInt16(40000));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, RoundToInt16(-32769));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, RoundToInt32(3e9));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, RoundToInt32(std::nan("")));
    QCOMPARE(TruncToInt(2.9), 2.0);
    QCOMPARE(TruncToInt(-2.9), -2.0);
}

void NumbersTest::checkedArithmetic() {
    QCOMPARE(Divide(1, 4), 0.25);
    QCOMPARE(SquareRoot(16), 4.0);
    QCOMPARE(Power(-2, 3), -8.0);
    QCOMPARE(ToSingle(23.8732414), 23.873241f);
    const QList<QPair<std::function<void()>, ErrorKind>> failures = {
        {[] { Divide(1, 0); }, ErrorKind::DivisionByZero},
        {[] { Divide(0, 0); }, ErrorKind::DivisionByZero},
        {[] { Divide(1e308, 1e-308); }, ErrorKind::Overflow},
        {[] { SquareRoot(-1); }, ErrorKind::InvalidCall},
        {[] { Power(0, -1); }, ErrorKind::DivisionByZero},
        {[] { ToSingle(1e39); }, ErrorKind::Overflow},
        {[] { ReadNumber("1e400"); }, ErrorKind::Overflow},
    };
    for (const auto &[operation, kind] : failures) {
        try {
            operation();
            QFAIL("an undefined step went through");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), kind);
        }
    }
    QCOMPARE(Description(ErrorKind::DivisionByZero), std::string("除数为零"));
    QCOMPARE(Description(ErrorKind::InvalidCall), std::string("无效的过程调用或参数"));
    QCOMPARE(Description(ErrorKind::Overflow), std::string("溢出"));
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
