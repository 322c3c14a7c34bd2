#include "update/UpdateSignature.h"

#include <sodium.h>

#ifndef BILLCRAFT_UPDATE_PUBLIC_KEY
#error "BILLCRAFT_UPDATE_PUBLIC_KEY is set by src/update/CMakeLists.txt"
#endif

namespace UpdateSignature {

QByteArray builtInPublicKey()
{
    return QByteArray::fromHex(BILLCRAFT_UPDATE_PUBLIC_KEY);
}

bool verify(const QByteArray& package, const QByteArray& signature, const QByteArray& publicKey)
{
    // Safe to call more than once; fails only when the system gives no randomness, which
    // verifying does not need but the library's state does.
    if (sodium_init() < 0)
        return false;
    if (signature.size() != kSignatureBytes || publicKey.size() != kPublicKeyBytes)
        return false;
    return crypto_sign_verify_detached(
               reinterpret_cast<const unsigned char*>(signature.constData()),
               reinterpret_cast<const unsigned char*>(package.constData()),
               static_cast<unsigned long long>(package.size()),
               reinterpret_cast<const unsigned char*>(publicKey.constData())) == 0;
}

} // namespace UpdateSignature
