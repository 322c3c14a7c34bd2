#include "einvoice/FacturX.h"

#include <QCoreApplication>

namespace FacturX {

Result<QByteArray> make(const QByteArray&, const QByteArray&, const Document&)
{
    return Failure{QCoreApplication::translate("FacturX", "Factur-X is not available yet.")};
}

Result<QByteArray> embeddedXml(const QByteArray&)
{
    return Failure{QCoreApplication::translate("FacturX", "Factur-X is not available yet.")};
}

} // namespace FacturX
