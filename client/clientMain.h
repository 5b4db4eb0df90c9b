#ifndef KWEP_CLIENTMAIN_H
#define KWEP_CLIENTMAIN_H

namespace KWEP {

class ClientBackends;

// The whole program: loads the configuration layers (the settings-override
// file, "KWEP.cfg" of the working directory and an optional further ".cfg"
// file), builds the game client, the window, the render and the sound back
// ends, runs the game and takes it all down again. Returns the exit code:
// 0 for a normal end and after "--help"; 1 when a file the game needs is
// missing or empty (named on the error stream), when the window does not
// open, or when a level does not hold exactly one grab hand; 2 for an
// invalid command line or options file.
int clientMain(int argc, char** argv, ClientBackends& backends);

} // namespace KWEP

#endif
