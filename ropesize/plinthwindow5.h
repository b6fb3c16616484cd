#pragma once

#include "ropesizing.h"

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ropesize {

// The window `PlinthWindow5` of the steel rope sizer: rope force and safety factor, the
// strength grade and construction chosen from fixed lists, the standard diameter and its
// strength margin, and a button to the suite's support page.
class PlinthWindow5 : public QWidget {
    Q_OBJECT
public:
    explicit PlinthWindow5(QWidget *parent = nullptr);

    // What opens the support page in the desktop's browser. Tests put a recorder here so that
    // no browser starts. Returns false when the page could not be opened.
    using PageOpener = std::function<bool(const QUrl &page)>;
    void setPageOpener(PageOpener opener) { pageOpener_ = std::move(opener); }

    // The support page installed with the suite, found from the program's own folder.
    static QString InstalledSupportPage();
    QString supportPage() const { return supportPage_; }
    void setSupportPage(const QString &fileName) { supportPage_ = fileName; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createWidgets();
    void createConnections();
    void load();

    void calculate();
    void openSupportPage();
    void showErrorMessage(const QString &description);

    bool acceptChoice(QComboBox *list);
    bool acceptFocusedChoice();
    QComboBox *choiceList(QObject *object) const;

    QLineEdit *forceField_ = nullptr;        // NT(0)
    QLineEdit *factorField_ = nullptr;       // NT(1)
    QComboBox *gradeList_ = nullptr;         // ComS
    QComboBox *constructionList_ = nullptr;  // ComT
    QLineEdit *diameterField_ = nullptr;     // dia
    QLineEdit *marginField_ = nullptr;       // mor
    QPushButton *calculateButton_ = nullptr; // cacu
    QPushButton *supportButton_ = nullptr;   // Command1

    RopeValues values_;
    PageOpener pageOpener_;
    QString supportPage_;
    // The list whose typed value was just refused, until it has the focus back, so that the
    // click that tried to take the focus away does not act.
    QPointer<QComboBox> refusedList_;
};

} // namespace ropesize
