#pragma once
// A stand-in for the built assistant's bundle, for worlds made in tests: the
// bundle's layout with an executable that holds the text given.

#include <string>
#include <string_view>

// Makes "<folder>/build/DRAVO Migration Assistant.app" and returns its path.
std::string MakeStubAssistant(const std::string& folder, std::string_view executable);
