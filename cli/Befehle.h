#pragma once

#include <CLI/CLI.hpp>

// Each command of the tool registers its options on the parser and runs
// when chosen; the exit code of the chosen command is the tool's.
void initDbEinrichten(CLI::App& app, int& exitcode);
// "expiry" and "maturities".
void kalenderEinrichten(CLI::App& app, int& exitcode);
// "update": the local update from the exchange's files.
void updateEinrichten(CLI::App& app, int& exitcode);
// "price" and "implvol": the option models directly, in their own units.
void preisEinrichten(CLI::App& app, int& exitcode);
// "margin": import a positions sheet, check it, calculate, print the results.
void marginEinrichten(CLI::App& app, int& exitcode);
