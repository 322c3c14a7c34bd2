#include "banking/StatementFiles.h"

#include <QCoreApplication>

namespace StatementFiles {

Result<Statement> read(const QString& path, const Preferences&)
{
    return Failure{QCoreApplication::translate("StatementFiles", "%1 cannot be read yet.").arg(path)};
}

} // namespace StatementFiles
