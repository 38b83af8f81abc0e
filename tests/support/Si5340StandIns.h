#pragma once
// Stand-ins for the Si5340 controller files of Nobrecht, Dravelle and Abernoll, under their
// items' names: the controllers with the ports the generated top level connects (the
// Si5340B selector 4 bits wide, 5 on Dravelle), every other file a comment. The program's
// own items are found first where they exist, so a test run with them checks the real files.
#include <string>

namespace tooltest {

void AddSi5340StandIns();

// The bytes a stand-in holds for a file that is not a controller.
extern const std::string kSi5340StandInText;

}  // namespace tooltest
