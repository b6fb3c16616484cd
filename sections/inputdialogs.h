#pragma once

#include "sectionproperties.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLineEdit;

// The eight dimension dialogs of fenwold, one per shape. Each field is bound to a float member
// that starts at 0; OK takes every field in turn and stays open on the first one that is not a
// number, so a wrong entry never reaches the calculation.
namespace fenwold {

class SectionInputDialog : public QDialog {
    Q_OBJECT
public:
    int shape() const { return shape_; }
    // The dimensions as the calculation takes them, from the members.
    virtual sections::SectionDimensions dimensions() const = 0;

    // Writes the members into the fields (false) or reads the fields into the members (true);
    // reading stops at a field that is not a number, tells the engineer and focuses it.
    bool UpdateData(bool saveAndValidate);

    void accept() override;

protected:
    struct Field {
        int id;
        float *member;
    };
    enum class Arrangement { OneColumn, TwoColumns, TrapezoidColumns };

    SectionInputDialog(const char *className, int shape, const QString &caption,
                       const QString &note);
    // Builds the picture, the note, the labelled fields in tab order and OK / Cancel.
    void createWidgets(const QList<Field> &fields, Arrangement arrangement, bool buttonsFirst,
                       bool digitsOnly = false);

private:
    int shape_;
    QString note_;
    QList<Field> fields_;
    QList<QLineEdit *> edits_;
};

// 163: box with a split top flange and a stepped right web.
class CStepBoxDlg : public SectionInputDialog {
    Q_OBJECT
public:
    CStepBoxDlg();
    sections::SectionDimensions dimensions() const override;
    float m_B1 = 0, m_t5 = 0, m_H = 0, m_t3 = 0, m_t4 = 0, m_B = 0, m_B2 = 0, m_t6 = 0, m_d1 = 0,
          m_d2 = 0, m_b1 = 0, m_t1 = 0, m_t2 = 0, m_h1 = 0;
};

// 167: box.
class CBoxDlg : public SectionInputDialog {
    Q_OBJECT
public:
    CBoxDlg();
    sections::SectionDimensions dimensions() const override;
    float m_B1 = 0, m_t5 = 0, m_H = 0, m_t3 = 0, m_t4 = 0, m_B = 0, m_B2 = 0, m_t6 = 0, m_d1 = 0,
          m_d2 = 0;
};

// 191: I-beam.
class CIBeamDlg : public SectionInputDialog {
    Q_OBJECT
public:
    CIBeamDlg();
    sections::SectionDimensions dimensions() const override;
    float m_B1 = 0, m_B2 = 0, m_t1 = 0, m_t2 = 0, m_t3 = 0, m_H = 0;
};

// 193: channel.
class CChannelDlg : public SectionInputDialog {
    Q_OBJECT
public:
    CChannelDlg();
    sections::SectionDimensions dimensions() const override;
    float m_B1 = 0, m_t1 = 0, m_B2 = 0, m_t2 = 0, m_H = 0, m_t3 = 0;
};

// 195: angle.
class CAngleDlg : public SectionInputDialog {
    Q_OBJECT
public:
    CAngleDlg();
    sections::SectionDimensions dimensions() const override;
    float m_t1 = 0, m_H = 0, m_t2 = 0, m_B = 0;
};

// 197: tee.
class CTeeDlg : public SectionInputDialog {
    Q_OBJECT
public:
    CTeeDlg();
    sections::SectionDimensions dimensions() const override;
    float m_B = 0, m_t1 = 0, m_H = 0, m_t2 = 0;
};

// 199: ring; both fields take whole numbers only.
class CRingDlg : public SectionInputDialog {
    Q_OBJECT
public:
    CRingDlg();
    sections::SectionDimensions dimensions() const override;
    float m_R = 0, m_t = 0;
};

// 200: trapezoidal box.
class CTrapezoidDlg : public SectionInputDialog {
    Q_OBJECT
public:
    CTrapezoidDlg();
    sections::SectionDimensions dimensions() const override;
    float m_B1 = 0, m_t5 = 0, m_B2 = 0, m_t6 = 0, m_t3 = 0, m_t4 = 0, m_H = 0, m_l = 0, m_d1 = 0,
          m_d2 = 0, m_d3 = 0, m_d4 = 0;
};

// The input dialog of a shape code (1 to 8), or nullptr.
SectionInputDialog *CreateInputDialog(int shape);

// Reads a field's text as a float the way the dialogs take it: blanks around it allowed, the
// whole rest a decimal number within the single-precision range. False for anything else.
bool ParseFieldNumber(const QString &text, float &value);
// The text a field shows for a member: up to 6 significant digits, "0" for zero.
QString FieldNumberText(float value);

} // namespace fenwold
