#include "saveerror.h"

#include <QString>

SaveError::SaveError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

SaveError SaveError::cannotCreate(const QString &path)
{
    return SaveError(QStringLiteral("ﾌｧｲﾙ %1 を作成できません").arg(path));
}

SaveError SaveError::writeFailed()
{
    return SaveError(QStringLiteral("ｽﾄﾘｰﾑへの書き込みｴﾗｰ"));
}
