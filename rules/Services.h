// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

// A failure of a platform service, with a text for the user.
class PlatformError : public std::runtime_error
{
public:
    explicit PlatformError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// Fonts added for this process only.
class FontService
{
public:
    virtual ~FontService() = default;
    virtual bool addFont(const QString &path) = 0; // false: no font could be added
    virtual void removeFont(const QString &path) = 0;
};

// Hands a URL to the system's default handler.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void openUrl(const QString &url) = 0;
};

// The Num Lock entry of the keyboard state: 0 off, 1 toggled on.
class KeyboardState
{
public:
    virtual ~KeyboardState() = default;
    virtual std::uint8_t numLock() = 0;
    virtual void setNumLock(std::uint8_t state) = 0;
};

// Modal message boxes with an OK button. Test doubles answer them at once.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // A plain box with the program's title as its caption.
    virtual void showMessage(const QString &text) = 0;
    // A box with a caption and the information icon.
    virtual void information(const QString &caption, const QString &text) = 0;
    // A question with the buttons "Sì" and "No"; whether the answer was yes.
    virtual bool ask(const QString &text) = 0;
};

// The program's one random generator.
class RandomGenerator
{
public:
    virtual ~RandomGenerator() = default;
    virtual void randomize() = 0; // re-seed from the clock
    virtual int next(int n) = 0;  // uniform in 0 .. n - 1; 0 when n <= 0
};
