#pragma once
// The about box "FerSobre": the program's name in large playful letters, the text given
// by the caller, the author with the year of the program file, the web and mail
// addresses, the program icon, and one close button whose caption is a random word.

#include <string>

// Placeholders until the program has its real author and addresses.
constexpr char kAboutAuthor[] = "Equipo Zorvi";
constexpr char kAboutWeb[] = "https://zorvi.example.org";
constexpr char kAboutMail[] = "zorvi@example.org";

// Shows the box with the text (the program's long name) and the program's mail address,
// and returns when it is closed.
void ShowAbout(const std::string& text);

// The same with any mail address; an empty one leaves its line out.
void ShowAboutBox(const std::string& text, const std::string& mail);
