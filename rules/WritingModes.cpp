// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/WritingModes.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

const char *const SixKeysKey = "scrittura/sei_tasti";
const char *const SlateKey = "scrittura/tavoletta";
const char *const KnownKey = "scrittura/f2_usato";

QString settingsFile;
bool sixKeysOn = false;
bool slateOn = false;
bool known = true;

void save(const char *key, bool value)
{
    if (settingsFile.isEmpty())
        return;
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setValue(QLatin1String(key), value);
    settings.sync();
}

} // namespace

QString WritingModes::learnerFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Sentiero dei Punti/scrittura.conf"));
}

void WritingModes::recall(const QString &file)
{
    settingsFile = file;
    if (file.isEmpty()) {
        sixKeysOn = slateOn = false;
        known = true;
        return;
    }
    const QSettings settings(file, QSettings::IniFormat);
    sixKeysOn = settings.value(QLatin1String(SixKeysKey), false).toBool();
    slateOn = settings.value(QLatin1String(SlateKey), false).toBool();
    known = settings.value(QLatin1String(KnownKey), false).toBool();
}

bool WritingModes::sixKeys()
{
    return sixKeysOn;
}

void WritingModes::setSixKeys(bool on)
{
    if (on == sixKeysOn)
        return;
    sixKeysOn = on;
    save(SixKeysKey, on);
}

bool WritingModes::slate()
{
    return sixKeysOn && slateOn;
}

void WritingModes::setSlate(bool on)
{
    if (on == slateOn)
        return;
    slateOn = on;
    save(SlateKey, on);
}

bool WritingModes::sixKeysKnown()
{
    return known;
}

void WritingModes::markKnown()
{
    if (known)
        return;
    known = true;
    save(KnownKey, true);
}
