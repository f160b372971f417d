#pragma once

#include <string>
#include <string_view>

// Joins a directory and a file name with "/". An empty directory gives the file name alone;
// one trailing "/" of the directory is dropped, so "dir" and "dir/" give the same path.
std::string PfadVerbinden(std::string_view verzeichnis, std::string_view datei);
