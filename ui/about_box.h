#pragma once
// The about box "FerSobre": the program's name in large playful letters, the text given
// by the caller, the author with the year of the program file, the web and mail
// addresses, the program icon, and one close button whose caption is a random word.

#include <string>

// The program's author and addresses. The program has no address of its own yet, and
// shows none rather than an invented one: an empty address leaves its line out.
constexpr char kAboutAuthor[] = "Equipo Zorvi";
constexpr char kAboutWeb[] = "";  // the site's root; the language adds "/en" or "/es"
constexpr char kAboutMail[] = "";

// Shows the box with the text (the program's long name) and the program's addresses,
// and returns when it is closed.
void ShowAbout(const std::string& text);

// The same with any mail and web addresses; an empty one leaves its line out, and the
// other lines keep their places.
void ShowAboutBox(const std::string& text, const std::string& mail, const std::string& web = kAboutWeb);
