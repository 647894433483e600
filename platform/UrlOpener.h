// Hands a web address to the user's default web browser.
#pragma once

#include <string>

namespace tavrio {

// The address may hold characters a URL must not (a blank, say); they are encoded on the way.
// Whether a browser opened it is not reported: there is nothing the program could do about it.
void openAddress(const std::string& address);

} // namespace tavrio
