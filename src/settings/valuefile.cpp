#include "settings/valuefile.h"

#include "core/filestore.h"
#include "core/quotedlines.h"

#include <QRegularExpression>

namespace ValueFile {

namespace {

QString singleLine(QString value)
{
    static const QRegularExpression lineBreaks(QStringLiteral("\r\n|\r|\n"));
    value.remove(QChar(u'\0'));
    value.replace(lineBreaks, QStringLiteral(" "));
    return value;
}

} // namespace

QStringList read(const FileStore &store, const QString &fileName, int count)
{
    QStringList values;
    const std::optional<QByteArray> bytes = store.read(fileName);
    if (!bytes)
        return values;
    QuotedLines::Reader reader(*bytes);
    while (values.size() < count) {
        std::optional<QString> field = reader.next();
        if (!field)
            break;
        values.append(singleLine(std::move(*field)));
    }
    return values;
}

bool write(FileStore &store, const QString &fileName, const QStringList &values)
{
    return store.write(fileName, QuotedLines::write(values));
}

} // namespace ValueFile
