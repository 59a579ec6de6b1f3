#include "model/command_table.h"

const Command& CommandOf(std::string_view letters) {
    if (letters.size() == 2) {
        for (const Command& command : kCommands) {
            if (command.letters == letters) {
                return command;
            }
        }
    }
    return kUnknownCommand;
}

const Command& CommandOfCode(CommandCode code) {
    for (const Command& command : kCommands) {
        if (command.code == code) {
            return command;
        }
    }
    return kUnknownCommand;
}
