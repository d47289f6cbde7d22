// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PhaseDescription.h"
#include "Place.h"
#include "Sky.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

namespace luna {

// A command line that cannot be carried out; what() is one line, in the
// user's language, naming the argument and what is wrong with it.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message);
};

// An argument no option of the program's goes by.
class UnknownArgument : public std::runtime_error {
public:
    explicit UnknownArgument(const QString& argument);

    QString argument;
};

// What both programs are asked for through the options they share.
struct SharedOptions {
    enum class Request { Run, Help, Version };

    Request request = Request::Run;
    std::optional<sky::Instant> when; // --date
    std::optional<Hemisphere> hemisphere; // --hemisphere, when given
    // --place, or else the place of the time zone when its zone has one.
    std::optional<sky::Place> place;
    bool placeFromZone = false;

    // The hemisphere asked for; else the place's; else the north.
    Hemisphere seenFrom() const;
};

// The reader of Luna's command lines, on QCommandLineParser: the options
// both programs share (-h/--help, --version, --date, --hemisphere, --place),
// and each program's own. Options are long ones, with one dash or two, and a value
// follows its option as the next argument or after '='. An argument that
// reads as a negative number is a positional one, not an option.
class CommandLine {
public:
    CommandLine();

    // Adds one of the program's own options; `hidden` ones are known but not
    // offered.
    enum class Shown { InHelp, Hidden };
    void addOption(QCommandLineOption option, Shown shown = Shown::InHelp);

    // Reads the arguments after the program's name. Throws UnknownArgument
    // for an option the program does not have, and UsageError for an option
    // whose value is missing.
    void read(const QStringList& arguments);

    bool isSet(const QString& name) const;
    QString value(const QString& name) const;
    QStringList positionalArguments() const;

    // What the shared options ask for; `now` is what --date now means. A
    // --date without a zone is read on --place's clock, or else on
    // `shownClock`, the clock of the place the program shows when it is not
    // told one (the time zone's place by default). Throws UsageError for a
    // date, a hemisphere or a place that cannot be read.
    SharedOptions shared(sky::Instant now, const std::optional<sky::Zone>& shownClock = std::nullopt) const;

private:
    QCommandLineParser parser_;
    QStringList takingValues_;
};

// «text», as the messages quote what the user wrote.
QString quoted(const QString& text);

} // namespace luna
