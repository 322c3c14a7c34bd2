#pragma once

#include <QFileInfo>
#include <QString>

// The Jet samples beside the source tree (their licence keeps them out of the repository), and
// the reader program that the conversion runs.
inline QString sample(const char* name)
{
    return QStringLiteral(BILLCRAFT_JET_SAMPLES "/") + QLatin1String(name);
}

#define NEED_SAMPLES()                                                                             \
    if (!QFileInfo::exists(sample("nwind.mdb")))                                                   \
    QSKIP("The Jet samples are not in ../shared/jet-samples beside the source tree.")

inline const QString kReader = QStringLiteral(BILLCRAFT_JET_READER);
