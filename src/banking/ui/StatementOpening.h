#pragma once

#include "banking/Statement.h"

#include <optional>

class QWidget;
class Session;

// Asks for a bank statement file and reads it. A CSV file of a bank not met before asks for its
// columns first and remembers them. Every failure is shown through the session's Prompter;
// nullopt when the user cancelled or the file could not be read.
std::optional<Statement> openStatement(Session& session, QWidget* parent);
