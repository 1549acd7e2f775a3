#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// Each verb of the objcomm command takes the words after the verb and returns the exit
// status; wrong words throw CUsageError.
int RunDecode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err);
int RunFrame(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// Sends one request to a server and prints the answer as decode does.
int RunSend(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// Runs the simulated Object Communicator until its connection count or a stop signal.
int RunServe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The whole command: the verb and its words as main gets them after the program name. A
// usage error prints its message and a pointer to the help on err and returns 2.
int RunObjcomm(const std::vector<std::string>& words, std::istream& in, std::ostream& out,
               std::ostream& err);
