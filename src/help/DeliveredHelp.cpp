#include "help/DeliveredHelp.h"

QByteArray DeliveredHelp::bytes(const QString& language)
{
    if (language == u"de")
        return german();
    if (language == u"fr")
        return french();
    return english();
}
