#pragma once

#include <QByteArray>

// Ed25519 detached signatures over the update package. The package is trusted only when its
// signature verifies against the public key built into the program; tests pass their own key.
namespace UpdateSignature {

constexpr int kPublicKeyBytes = 32;
constexpr int kSignatureBytes = 64;

// The maker's key (the BILLCRAFT_UPDATE_PUBLIC_KEY build setting, 64 hex digits).
QByteArray builtInPublicKey();

// True only for a signature of exactly kSignatureBytes made over `package` by the holder of
// `publicKey`'s secret key. A key of the wrong length verifies nothing.
bool verify(const QByteArray& package, const QByteArray& signature, const QByteArray& publicKey);

} // namespace UpdateSignature
