// Small pieces of JSON for the json and sarif reports.
#pragma once

#include <string>

// A JSON string literal, quotes included. Paths are bytes: valid UTF-8 passes
// unchanged, and every byte that is not part of a valid UTF-8 sequence becomes
// U+FFFD (the SARIF log keeps such paths exactly in its percent-encoded URIs).
std::string JsonString(const std::string& text);

// A path as a URI reference: relative paths stay relative, absolute ones become
// file URIs; every byte but letters, digits, "-._~" and "/" is percent-encoded,
// so that any file name survives.
std::string PathUri(const std::string& path);
