// Runs the memory-tracker helper process with an environment of the test's choosing (the
// switches are read once, at the first block, so they cannot change inside this process).
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "tests/testFiles.h"

struct memTrackChildRunS {
  pid_t pid;
  int status;  // as waitpid gives it
  std::string out;
  std::string err;
};

// The sanitizers' settings of this process, unless the environment already sets them.
inline void passSanitizerOptions(std::vector<std::string>& environment) {
  for (std::string name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
    bool given = false;
    for (const std::string& entry : environment) given = given || entry.rfind(name + "=", 0) == 0;
    const char* value = std::getenv(name.c_str());
    if (!given && value) environment.push_back(name + "=" + value);
  }
}

// Runs program with the argument mode (none when null), the argument operand when given, and
// only the environment given.
inline memTrackChildRunS runChildProcess(const char* programPath, const char* mode,
                                         std::vector<std::string> environment, const char* operand = nullptr) {
  passSanitizerOptions(environment);
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string program = programPath;
  std::string modeText = mode ? mode : "", operandText = operand ? operand : "";
  char* argv[] = {program.data(), mode ? modeText.data() : nullptr, mode && operand ? operandText.data() : nullptr,
                  nullptr};
  testFiles::scratchFile out("child.out"), err("child.err");

  pid_t pid = fork();
  if (pid == 0) {
    int outFile = open(out.path(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int errFile = open(err.path(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (outFile < 0 || errFile < 0 || dup2(outFile, 1) < 0 || dup2(errFile, 2) < 0) _exit(120);
    execve(argv[0], argv, envp.data());
    _exit(121);
  }
  memTrackChildRunS run = {pid, -1, {}, {}};
  if (pid > 0) waitpid(pid, &run.status, 0);
  run.out = testFiles::readBytes(out.path());
  run.err = testFiles::readBytes(err.path());
  return run;
}

inline memTrackChildRunS runMemTrackChild(const char* mode, std::vector<std::string> environment,
                                          const char* operand = nullptr) {
  return runChildProcess(RUDEZAZE_MEMTRACK_CHILD, mode, std::move(environment), operand);
}

inline bool exitedNormally(const memTrackChildRunS& run) {
  return WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0;
}
