#include "mydoc.h"

#include "currentsection.h"
#include "message.h"
#include "sectionfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <span>

namespace fenwold {

sections::SectionRecord &CurrentSection() {
    static sections::SectionRecord section;
    return section;
}

CMyDoc::CMyDoc(QObject *parent) : QObject(parent), pageSize_(600, 1000) {
    setObjectName(QStringLiteral("CMyDoc"));
}

QString CMyDoc::GetTitle() const {
    return pathName_.isEmpty() ? QStringLiteral("无标题") : QFileInfo(pathName_).fileName();
}

void CMyDoc::SetPathName(const QString &path) {
    pathName_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    emit titleChanged();
}

bool CMyDoc::OnNewDocument() {
    SetPathName(QString());
    return true;
}

bool CMyDoc::OnOpenDocument(const QString &path) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        runtime::ShowMessage(QStringLiteral("无法打开文件“%1”。").arg(shown));
        return false;
    }
    // Only the first 112 bytes belong to the section; anything after them is ignored.
    const QByteArray bytes = file.read(qint64(sections::SectionFileSize));
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    sections::SectionRecord section = CurrentSection();
    if (!sections::DecodeSectionFile(std::span(data, std::size_t(bytes.size())), section)) {
        runtime::ShowMessage(
            QStringLiteral("文件“%1”不是完整的截面文件（不足 112 字节），未能打开。").arg(shown));
        return false;
    }
    CurrentSection() = section;
    SetPathName(path);
    emit sectionReplaced();
    return true;
}

bool CMyDoc::OnSaveDocument(const QString &path) {
    const sections::SectionFileBytes bytes = sections::EncodeSectionFile(CurrentSection());
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(reinterpret_cast<const char *>(bytes.data()),
                                    qint64(bytes.size())) == qint64(bytes.size()) &&
                         file.commit();
    if (!written) {
        runtime::ShowMessage(QStringLiteral("无法保存文件“%1”，原有文件保持不变。")
                                 .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    SetPathName(path);
    return true;
}

} // namespace fenwold
