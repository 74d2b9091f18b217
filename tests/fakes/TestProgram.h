// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes/Fakes.h"

#include <QTemporaryDir>

#include <memory>

class Tdm;

// What the exercise windows expect to exist: a content folder (an empty temporary one), the
// platform's test doubles, the data holder dm and the shared sound player.
struct TestProgram
{
    TestProgram();
    ~TestProgram();

    QString path(const QString &relative) const { return dir.filePath(relative); }

    QTemporaryDir dir;
    FakePlatform platform;
    std::unique_ptr<Tdm> holder;
    FakeMediaPlayer sounds;
};
