#pragma once

#include <string>
#include <string_view>

#include "model/command_table.h"
#include "model/primitive.h"

// The code of a command's letters; kCodeUnknown for any text that names no command.
CommandCode ClassifyCommand(std::string_view letters);

// Fills a cleared record from the line; the line is consumed as far as the code reads it.
Primitive& ParsePrimitiveLine(Primitive& destination, CommandCode code, std::string& line);
MacroCall& ParseMacroCallLine(MacroCall& destination, CommandCode code, std::string& line);

// The numbers and text of a line as its command's layout reads them, without the record's code.
// Returns what is left of the line after the fields that were read.
std::string_view ReadFields(Primitive& record, FieldLayout layout, std::string_view line);
