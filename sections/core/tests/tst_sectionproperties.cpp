#include "sectionproperties.h"

#include <QTest>

#include <cstdio>

using namespace sections;

static QByteArray Printed(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    return text;
}

class SectionPropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void iBeam();
};

void SectionPropertiesTest::iBeam() {
    SectionRecord record;
    SectionDimensions d;
    d.B1 = d.B2 = 200, d.t1 = d.t2 = 10, d.H = 400, d.t3 = 8;
    ComputeSectionProperties(record, shapes::IBeam, d);
    QCOMPARE(Printed(record.Wx1), "1003809.5");
}

QTEST_APPLESS_MAIN(SectionPropertiesTest)
#include "tst_sectionproperties.moc"
