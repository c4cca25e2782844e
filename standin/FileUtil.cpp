#include "standin/FileUtil.h"

#include "core/ExportFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace standin {

std::optional<std::string> FileUtil::read(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll().toStdString();
}

bool FileUtil::writeWhole(const std::string& path, const std::string& bytes)
{
    const QString target = QString::fromStdString(path);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    return !writeFileWhole(target, QByteArray::fromStdString(bytes));
}

} // namespace standin
