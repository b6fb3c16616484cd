#pragma once

#include <QObject>
#include <QSize>
#include <QString>

namespace fenwold {

// The document of fenwold: the current section saved to and opened from a 112-byte ".xyz"
// file. It holds no section of its own (that is CurrentSection()), only its file name and the
// page size of the view. It is never marked modified, so closing never asks to save.
class CMyDoc : public QObject {
    Q_OBJECT
public:
    explicit CMyDoc(QObject *parent = nullptr);

    QSize pageSize() const { return pageSize_; }
    QString GetPathName() const { return pathName_; }
    // The file's name, or the untitled name "无标题".
    QString GetTitle() const;
    bool IsModified() const { return false; }

    // A new document keeps the section as it is; only the name becomes untitled.
    bool OnNewDocument();
    // Reads the file into the section. A file that cannot be read, or holds fewer than 112
    // bytes, is reported and leaves the section and the document as they were.
    bool OnOpenDocument(const QString &path);
    // Writes the section completely or not at all; a failure is reported and keeps the old file.
    bool OnSaveDocument(const QString &path);

signals:
    // The file name changed (title) or the section was replaced (repaint).
    void titleChanged();
    void sectionReplaced();

private:
    void SetPathName(const QString &path);

    QSize pageSize_;
    QString pathName_;
};

} // namespace fenwold
