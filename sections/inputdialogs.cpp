#include "inputdialogs.h"

#include "formwidgets.h"
#include "message.h"
#include "resourceids.h"
#include "sectionpictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <cfloat>
#include <cmath>
#include <cstdio>

namespace fenwold {
namespace {

QString fieldSymbol(int id) {
    switch (id) {
    case FieldB1:
        return QStringLiteral("B1");
    case FieldT5:
        return QStringLiteral("t5");
    case FieldH:
        return QStringLiteral("H");
    case FieldT3:
        return QStringLiteral("t3");
    case FieldT4:
        return QStringLiteral("t4");
    case FieldB:
        return QStringLiteral("B");
    case FieldB2:
        return QStringLiteral("B2");
    case FieldT6:
        return QStringLiteral("t6");
    case FieldD1:
        return QStringLiteral("d1");
    case FieldD2:
        return QStringLiteral("d2");
    case FieldSmallB1:
        return QStringLiteral("b1");
    case FieldT1:
        return QStringLiteral("t1");
    case FieldT2:
        return QStringLiteral("t2");
    case FieldH1:
        return QStringLiteral("h1");
    case FieldR:
        return QStringLiteral("R");
    case FieldT:
        return QStringLiteral("t");
    case FieldL:
        return QStringLiteral("l");
    case FieldD3:
        return QStringLiteral("d3");
    case FieldD4:
        return QStringLiteral("d4");
    default:
        return QString::number(id);
    }
}

// Fixed positions of the dialogs: the 200 x 200 picture at the left with the note under it,
// the fields in one or two columns to its right, OK and Cancel at the right edge.
constexpr int Margin = 12;
constexpr int FieldsLeft = Margin + ShapePictureSize + 14;
constexpr int RowTop = 14;
constexpr int RowStep = 32;
constexpr int LabelWidth = 36;
constexpr int EditWidth = 90;
constexpr int EditHeight = 22;
constexpr int ColumnStep = LabelWidth + EditWidth + 14;
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 26;

} // namespace

bool ParseFieldNumber(const QString &text, float &value) {
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        return false;
    bool ok = false;
    const double parsed = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(parsed) || std::fabs(parsed) > FLT_MAX)
        return false;
    value = static_cast<float>(parsed);
    return true;
}

QString FieldNumberText(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", double(value));
    return QString::fromLatin1(text);
}

SectionInputDialog::SectionInputDialog(const char *className, int shape, const QString &caption,
                                       const QString &note)
    : QDialog(nullptr), shape_(shape), note_(note) {
    setObjectName(QString::fromLatin1(className));
    setWindowTitle(caption);
    setFont(runtime::FormFont(QStringLiteral("宋体"), 9));
    setModal(true);
}

void SectionInputDialog::createWidgets(const QList<Field> &fields, Arrangement arrangement,
                                       bool buttonsFirst, bool digitsOnly) {
    fields_ = fields;
    auto *picture = new ShapePicture(shape_, this);
    picture->move(Margin, Margin);
    if (!note_.isEmpty())
        runtime::AddLabel(this, QString(), note_,
                          QRect(Margin, Margin + ShapePictureSize + 8, ShapePictureSize, 20));

    const int columns = arrangement == Arrangement::OneColumn ? 1 : 2;
    const int buttonsLeft = FieldsLeft + columns * ColumnStep + 6;
    auto addButtons = [&] {
        auto *ok = runtime::AddButton(this, QStringLiteral("IDOK"), QStringLiteral("OK"),
                                      QRect(buttonsLeft, RowTop, ButtonWidth, ButtonHeight));
        auto *cancel = runtime::AddButton(
            this, QStringLiteral("IDCANCEL"), QStringLiteral("Cancel"),
            QRect(buttonsLeft, RowTop + ButtonHeight + 8, ButtonWidth, ButtonHeight));
        // The I-beam dialog has no default button; every other dialog takes Enter as OK.
        ok->setAutoDefault(buttonsFirst);
        ok->setDefault(buttonsFirst);
        cancel->setAutoDefault(false);
        connect(ok, &QPushButton::clicked, this, &SectionInputDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &SectionInputDialog::reject);
    };
    if (buttonsFirst)
        addButtons();

    int rows = 0;
    for (int index = 0; index < fields_.size(); ++index) {
        int row = index, column = 0;
        if (arrangement == Arrangement::TwoColumns ||
            (arrangement == Arrangement::TrapezoidColumns && index < 10)) {
            row = index / 2;
            column = index % 2;
        } else if (arrangement == Arrangement::TrapezoidColumns) {
            row = 5 + (index - 10); // d3 and d4 stand alone under the left column
        }
        rows = std::max(rows, row + 1);
        const int left = FieldsLeft + column * ColumnStep;
        const int top = RowTop + row * RowStep;
        const int id = fields_[index].id;
        runtime::AddLabel(this, QString(), fieldSymbol(id) + QLatin1Char('='),
                          QRect(left, top + 2, LabelWidth, EditHeight - 2))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *edit = runtime::AddField(this, QString::number(id),
                                       QRect(left + LabelWidth + 2, top, EditWidth, EditHeight));
        if (digitsOnly)
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), edit));
        edits_.append(edit);
    }
    if (!buttonsFirst)
        addButtons();

    const int noteBottom = Margin + ShapePictureSize + (note_.isEmpty() ? 0 : 30);
    const int height = std::max({noteBottom, RowTop + rows * RowStep, 80}) + Margin;
    setFixedSize(buttonsLeft + ButtonWidth + Margin, height);
    UpdateData(false);
}

bool SectionInputDialog::UpdateData(bool saveAndValidate) {
    for (int index = 0; index < fields_.size(); ++index) {
        QLineEdit *edit = edits_[index];
        if (!saveAndValidate) {
            edit->setText(FieldNumberText(*fields_[index].member));
            continue;
        }
        float value = 0;
        if (!ParseFieldNumber(edit->text(), value)) {
            runtime::ShowMessage(QStringLiteral("请输入一个数字。"));
            edit->setFocus();
            edit->selectAll();
            return false;
        }
        *fields_[index].member = value;
    }
    return true;
}

void SectionInputDialog::accept() {
    if (UpdateData(true))
        QDialog::accept();
}

CStepBoxDlg::CStepBoxDlg()
    : SectionInputDialog("CStepBoxDlg", sections::shapes::SteppedBox,
                         QStringLiteral("输入截面尺寸"), QStringLiteral("o点为形心,e点为弯心.")) {
    createWidgets({{FieldB1, &m_B1},
                   {FieldT5, &m_t5},
                   {FieldH, &m_H},
                   {FieldT3, &m_t3},
                   {FieldT4, &m_t4},
                   {FieldB, &m_B},
                   {FieldB2, &m_B2},
                   {FieldT6, &m_t6},
                   {FieldD1, &m_d1},
                   {FieldD2, &m_d2},
                   {FieldSmallB1, &m_b1},
                   {FieldT1, &m_t1},
                   {FieldT2, &m_t2},
                   {FieldH1, &m_h1}},
                  Arrangement::TwoColumns, true);
}

sections::SectionDimensions CStepBoxDlg::dimensions() const {
    sections::SectionDimensions d;
    d.B = m_B, d.B1 = m_B1, d.b1 = m_b1, d.B2 = m_B2, d.d1 = m_d1, d.d2 = m_d2, d.H = m_H;
    d.h1 = m_h1, d.t1 = m_t1, d.t2 = m_t2, d.t3 = m_t3, d.t4 = m_t4, d.t5 = m_t5, d.t6 = m_t6;
    return d;
}

CBoxDlg::CBoxDlg()
    : SectionInputDialog("CBoxDlg", sections::shapes::Box, QStringLiteral("输入截面尺寸"),
                         QStringLiteral("o点为形心,e点为弯心.")) {
    createWidgets({{FieldB1, &m_B1},
                   {FieldT5, &m_t5},
                   {FieldH, &m_H},
                   {FieldT3, &m_t3},
                   {FieldT4, &m_t4},
                   {FieldB, &m_B},
                   {FieldB2, &m_B2},
                   {FieldT6, &m_t6},
                   {FieldD1, &m_d1},
                   {FieldD2, &m_d2}},
                  Arrangement::TwoColumns, true);
}

sections::SectionDimensions CBoxDlg::dimensions() const {
    sections::SectionDimensions d;
    d.B = m_B, d.B1 = m_B1, d.B2 = m_B2, d.d1 = m_d1, d.d2 = m_d2, d.H = m_H;
    d.t3 = m_t3, d.t4 = m_t4, d.t5 = m_t5, d.t6 = m_t6;
    return d;
}

CIBeamDlg::CIBeamDlg()
    : SectionInputDialog("CIBeamDlg", sections::shapes::IBeam,
                         QStringLiteral("工字钢fenwold计算程序"), QStringLiteral("注:O为形心点.")) {
    createWidgets({{FieldB1, &m_B1},
                   {FieldB2, &m_B2},
                   {FieldT1, &m_t1},
                   {FieldT2, &m_t2},
                   {FieldT3, &m_t3},
                   {FieldH, &m_H}},
                  Arrangement::OneColumn, false);
}

sections::SectionDimensions CIBeamDlg::dimensions() const {
    sections::SectionDimensions d;
    d.B1 = m_B1, d.B2 = m_B2, d.t1 = m_t1, d.t2 = m_t2, d.t3 = m_t3, d.H = m_H;
    return d;
}

CChannelDlg::CChannelDlg()
    : SectionInputDialog("CChannelDlg", sections::shapes::Channel,
                         QStringLiteral("槽钢fenwold计算"), QStringLiteral("注:O点为形心.")) {
    createWidgets({{FieldB1, &m_B1},
                   {FieldT1, &m_t1},
                   {FieldB2, &m_B2},
                   {FieldT2, &m_t2},
                   {FieldH, &m_H},
                   {FieldT3, &m_t3}},
                  Arrangement::OneColumn, true);
}

sections::SectionDimensions CChannelDlg::dimensions() const {
    sections::SectionDimensions d;
    d.B1 = m_B1, d.B2 = m_B2, d.t1 = m_t1, d.t2 = m_t2, d.t3 = m_t3, d.H = m_H;
    return d;
}

CAngleDlg::CAngleDlg()
    : SectionInputDialog("CAngleDlg", sections::shapes::Angle, QStringLiteral("角钢特性计算"),
                         QStringLiteral("注:O点为形心.")) {
    createWidgets({{FieldT1, &m_t1}, {FieldH, &m_H}, {FieldT2, &m_t2}, {FieldB, &m_B}},
                  Arrangement::OneColumn, true);
}

sections::SectionDimensions CAngleDlg::dimensions() const {
    sections::SectionDimensions d;
    d.B = m_B, d.H = m_H, d.t1 = m_t1, d.t2 = m_t2;
    return d;
}

CTeeDlg::CTeeDlg()
    : SectionInputDialog("CTeeDlg", sections::shapes::Tee, QStringLiteral("T型钢fenwold计算"),
                         QStringLiteral("注:O点为形心.")) {
    createWidgets({{FieldB, &m_B}, {FieldT1, &m_t1}, {FieldH, &m_H}, {FieldT2, &m_t2}},
                  Arrangement::OneColumn, true);
}

sections::SectionDimensions CTeeDlg::dimensions() const {
    sections::SectionDimensions d;
    d.B = m_B, d.H = m_H, d.t1 = m_t1, d.t2 = m_t2;
    return d;
}

CRingDlg::CRingDlg()
    : SectionInputDialog("CRingDlg", sections::shapes::Ring, QStringLiteral("圆环fenwold计算"),
                         QString()) {
    createWidgets({{FieldR, &m_R}, {FieldT, &m_t}}, Arrangement::OneColumn, true, true);
}

sections::SectionDimensions CRingDlg::dimensions() const {
    sections::SectionDimensions d;
    d.R = m_R, d.t = m_t;
    return d;
}

CTrapezoidDlg::CTrapezoidDlg()
    : SectionInputDialog("CTrapezoidDlg", sections::shapes::TrapezoidalBox,
                         QStringLiteral("梯形fenwold计算"), QString()) {
    createWidgets({{FieldB1, &m_B1},
                   {FieldT5, &m_t5},
                   {FieldB2, &m_B2},
                   {FieldT6, &m_t6},
                   {FieldT3, &m_t3},
                   {FieldT4, &m_t4},
                   {FieldH, &m_H},
                   {FieldL, &m_l},
                   {FieldD1, &m_d1},
                   {FieldD2, &m_d2},
                   {FieldD3, &m_d3},
                   {FieldD4, &m_d4}},
                  Arrangement::TrapezoidColumns, true);
}

sections::SectionDimensions CTrapezoidDlg::dimensions() const {
    sections::SectionDimensions d;
    d.B1 = m_B1, d.B2 = m_B2, d.d1 = m_d1, d.d2 = m_d2, d.d3 = m_d3, d.d4 = m_d4, d.H = m_H;
    d.l = m_l, d.t3 = m_t3, d.t4 = m_t4, d.t5 = m_t5, d.t6 = m_t6;
    return d;
}

SectionInputDialog *CreateInputDialog(int shape) {
    switch (shape) {
    case sections::shapes::SteppedBox:
        return new CStepBoxDlg;
    case sections::shapes::Box:
        return new CBoxDlg;
    case sections::shapes::IBeam:
        return new CIBeamDlg;
    case sections::shapes::Channel:
        return new CChannelDlg;
    case sections::shapes::Angle:
        return new CAngleDlg;
    case sections::shapes::Tee:
        return new CTeeDlg;
    case sections::shapes::Ring:
        return new CRingDlg;
    case sections::shapes::TrapezoidalBox:
        return new CTrapezoidDlg;
    default:
        return nullptr;
    }
}

} // namespace fenwold
