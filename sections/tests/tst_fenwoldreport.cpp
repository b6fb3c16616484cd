// The report page: which texts stand where for each shape, the number format and the page
// scaling to the device.

#include "reportpage.h"
#include "sectionproperties.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <limits>

using fenwold::ReportItem;
using fenwold::ReportItems;
using sections::SectionRecord;

namespace {

// A record with every slot set to a distinct value, so a value printed from the wrong slot shows.
SectionRecord distinctRecord(int shape) {
    SectionRecord r;
    float next = 1.0f;
    for (float *slot : {&r.B,  &r.B1, &r.b1, &r.B2, &r.d1,  &r.d2,  &r.H,   &r.h1,  &r.t1, &r.t2,
                        &r.t3, &r.t4, &r.t5, &r.t6, &r.l,   &r.d3,  &r.d4,  &r.A,   &r.x,  &r.y,
                        &r.ex, &r.ey, &r.Ix, &r.Iy, &r.Wx1, &r.Wy1, &r.Wx2, &r.Wy2, &r.Sx, &r.In})
        *slot = next++;
    r.shape = shape;
    return r;
}

// "x,y,text" for each item, to compare against readable tables.
QStringList describe(const QList<ReportItem> &items) {
    QStringList lines;
    for (const ReportItem &item : items)
        lines << QStringLiteral("%1,%2,%3").arg(item.at.x()).arg(item.at.y()).arg(item.text);
    return lines;
}

} // namespace

class TestFenwoldReport : public QObject {
    Q_OBJECT

private slots:
    void headingAloneWithoutShape_data() {
        QTest::addColumn<int>("shape");
        QTest::newRow("nothing computed") << 0;
        QTest::newRow("code 9 from a file") << 9;
        QTest::newRow("negative code from a file") << -1;
    }
    void headingAloneWithoutShape() {
        QFETCH(int, shape);
        QCOMPARE(describe(ReportItems(distinctRecord(shape))),
                 QStringList{QStringLiteral("300,40,截面外形尺寸及特性计算结果如下：")});
    }

    // Slot values of distinctRecord: B 1, B1 2, b1 3, B2 4, d1 5, d2 6, H 7, h1 8, t1 9, t2 10,
    // t3 11, t4 12, t5 13, t6 14, l 15, d3 16, d4 17, A 18, x 19, y 20, ex 21, ey 22, Ix 23,
    // Iy 24, Wx1 25, Wy1 26, Wx2 27, Wy2 28, Sx 29, In 30.
    void eachShapeItsRows_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("stepped box")
            << 1 << QStringList{"300,70,截面外形尺寸:", "300,100,B=",
                                "350,100,1.0",          "600,130,B1=",
                                "650,130,2.0",          "450,190,b1=",
                                "500,190,3.0",          "450,220,h1=",
                                "500,220,8.0",          "300,250,fenwold计算结果:",
                                "350,310,18.0",         "300,400,截面弯心距:",
                                "350,430,21.0",         "500,430,22.0",
                                "550,490,24.0",         "300,550,截面抗弯系数(上右点及下右点):",
                                "550,610,28.0",         "350,670,29.0",
                                "300,700,形心矩:",      "550,730,20.0",
                                "350,790,30.0"}
            << QStringList{};
        QTest::newRow("box: d2 alone in its row")
            << 2 << QStringList{"300,190,d2=", "350,190,6.0", "350,430,21.0", "350,670,29.0"}
            << QStringList{"450,190,b1=", "600,190,t1=", "300,220,t2=", "450,220,h1="};
        QTest::newRow("I-beam")
            << 3 << QStringList{"300,100,B1=",  "450,100,t1=",
                                "500,100,9.0",  "450,130,t2=",
                                "600,130,B2=",  "300,160,fenwold计算结果:",
                                "350,220,18.0", "300,280,y=",
                                "350,280,20.0", "350,340,23.0",
                                "350,370,24.0", "300,430,截面抗弯系数(上右点):",
                                "300,460,Wx1=", "300,520,截面抗弯系数(下右点):",
                                "350,580,28.0", "300,610,中性轴以上截面对中性轴静面矩:",
                                "350,640,29.0", "300,670,自由扭转惯性矩:",
                                "350,700,30.0"}
            << QStringList{"300,280,x=", "300,430,ex=", "300,250,fenwold计算结果:"};
        QTest::newRow("channel") << 4 << QStringList{"300,280,x=",
                                                     "350,280,19.0",
                                                     "450,280,y=",
                                                     "500,280,20.0",
                                                     "300,610,自由扭转惯性矩:",
                                                     "350,640,30.0"}
                                 << QStringList{"300,640,Sx="};
        QTest::newRow("angle") << 5
                               << QStringList{"300,100,B=",
                                              "350,100,1.0",
                                              "300,130,t2=",
                                              "300,280,x=",
                                              "300,430,截面抗弯系数(上点):",
                                              "300,520,截面抗弯系数(下右点):",
                                              "350,640,30.0"}
                               << QStringList{"600,130,B2="};
        QTest::newRow("tee") << 6
                             << QStringList{"300,280,y=", "300,430,截面抗弯系数(上点):",
                                            "300,520,截面抗弯系数(下点):", "350,640,30.0"}
                             << QStringList{"300,280,x="};
        QTest::newRow("ring: R and t from B and t1, Wx and Wy")
            << 7
            << QStringList{"300,100,R=",
                           "350,100,1.0",
                           "450,100,t=",
                           "500,100,9.0",
                           "350,220,18.0",
                           "300,310,截面惯性距:",
                           "300,460,Wx=",
                           "350,460,25.0",
                           "300,490,Wy=",
                           "350,490,26.0",
                           "300,520,自由扭转惯性矩:",
                           "300,550,In=",
                           "350,550,30.0"}
            << QStringList{"300,250,截面形心距:", "300,460,Wx1=", "300,550,Wx2="};
        QTest::newRow("trapezoidal box: l, d3, d4 from their own slots")
            << 8 << QStringList{"300,100,B1=", "350,100,2.0",  "450,100,t5=", "300,160,t6=",
                                "300,190,d3=", "350,190,16.0", "450,190,d4=", "500,190,17.0",
                                "600,190,l=",  "650,190,15.0", "300,370,x=",  "350,370,19.0",
                                "350,790,30.0"}
            << QStringList{"300,400,截面弯心距:", "300,430,ex=", "300,670,Sx="};
    }
    void eachShapeItsRows() {
        QFETCH(int, shape);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const QStringList items = describe(ReportItems(distinctRecord(shape)));
        QCOMPARE(items.first(), QStringLiteral("300,40,截面外形尺寸及特性计算结果如下："));
        for (const QString &item : present)
            QVERIFY2(items.contains(item), qPrintable(item));
        for (const QString &item : absent)
            QVERIFY2(!items.contains(item), qPrintable(item));
        // every label has its value 50 units to its right on the same row
        for (int index = 0; index < items.size(); ++index) {
            const QString &item = items[index];
            if (item.endsWith(QLatin1Char('=')) && !item.startsWith(QLatin1String("300,40,"))) {
                const QStringList parts = item.split(QLatin1Char(','));
                const QString valueAt =
                    QStringLiteral("%1,%2,").arg(parts[0].toInt() + 50).arg(parts[1]);
                QVERIFY2(items.value(index + 1).startsWith(valueAt), qPrintable(item));
            }
        }
    }

    void numbersWithOneDecimal_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("modulus") << 1003809.52f << "1003809.5";
        QTest::newRow("large float") << 210800000.0f << "210800000.0";
        QTest::newRow("negative") << -12.34f << "-12.3";
        QTest::newRow("infinite quotient") << std::numeric_limits<float>::infinity() << "inf";
        QTest::newRow("undefined quotient") << std::numeric_limits<float>::quiet_NaN() << "nan";
        QTest::newRow("zero") << 0.0f << "0.0";
        // a float exactly on a half rounds to the even digit, as the C conversion does
        QTest::newRow("half, down to even") << 12417.25f << "12417.2";
        QTest::newRow("half, up to even") << 2.75f << "2.8";
        QTest::newRow("negative half") << -0.25f << "-0.2";
        QTest::newRow("just above a half") << 0.2500001f << "0.3";
        QTest::newRow("undefined quotient with its sign bit set")
            << -std::numeric_limits<float>::quiet_NaN() << "nan";
    }
    void numbersWithOneDecimal() {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(fenwold::ReportNumber(value), text);
    }

    // Zero dimensions give quotients without a value; they print as text and never stop the page.
    void undefinedValuesPrint() {
        SectionRecord record;
        sections::ComputeSectionProperties(record, sections::shapes::IBeam, {});
        const QStringList items = describe(ReportItems(record));
        QVERIFY(items.contains(QStringLiteral("350,220,0.0")));
        QImage image(400, 500, QImage::Format_RGB32);
        QPainter painter(&image);
        fenwold::DrawReportPage(painter, record, image.size());
    }

    void isotropicScale_data() {
        QTest::addColumn<QSize>("device");
        QTest::addColumn<double>("scale");
        QTest::newRow("1024 x 768 screen") << QSize(1024, 768) << 0.768;
        QTest::newRow("page of 800 x 1000") << QSize(800, 1000) << 1.0;
        QTest::newRow("narrow device") << QSize(400, 1000) << 0.5;
    }
    void isotropicScale() {
        QFETCH(QSize, device);
        QFETCH(double, scale);
        QCOMPARE(fenwold::ReportScale(device), scale);
    }

    // The page draws its texts and the shape picture: ink at the heading, the picture rectangle
    // and the values, nothing below the last row.
    void drawsTextAndPicture() {
        QImage page(800, 1000, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        fenwold::DrawReportPage(painter, distinctRecord(3), page.size());
        painter.end();
        auto inked = [&](const QRect &area) {
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (page.pixel(x, y) != qRgb(255, 255, 255))
                        return true;
            return false;
        };
        QVERIFY(inked(QRect(300, 40, 200, 20)));
        QVERIFY(inked(fenwold::ReportPictureRect));
        QVERIFY(inked(QRect(350, 700, 60, 20)));
        QVERIFY(!inked(QRect(0, 760, 800, 240)));
    }
};

QTEST_MAIN(TestFenwoldReport)
#include "tst_fenwoldreport.moc"
