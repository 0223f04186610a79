#include "platform/shell/program_start.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>

#include "platform/shell/command_line.h"

extern char** environ;

namespace {

// A program path with blanks is looked for among at most this many joined words, so that a huge
// line of short words costs a bounded number of look-ups.
constexpr std::size_t kMaxJoinedWords = 64;

bool IsExecutableFile(const struct stat& st, const std::string& path) {
    return S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

int ResultFromErrno(int error) {
    switch (error) {
        case ENOENT:
            return kStartFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return kStartPathNotFound;
        case ENOMEM:
        case E2BIG:
        case EAGAIN:
        case EMFILE:
        case ENFILE:
            return kStartOutOfResources;
        default:
            // EACCES, ENOEXEC, EISDIR, ETXTBSY and the like: the file is there but cannot run.
            return kStartBadFormat;
    }
}

ResolvedProgram CheckPath(const std::filesystem::path& path) {
    const std::string text = path.string();
    struct stat st {};
    if (stat(text.c_str(), &st) == 0) {
        if (IsExecutableFile(st, text)) return {text, kStartSucceeded};
        return {"", kStartBadFormat};
    }
    const int error = errno;
    if (error == ENOENT) {
        // Told apart like the system does: a missing file in an existing folder, or a missing
        // folder.
        struct stat parent {};
        const std::string folder = path.parent_path().string();
        if (stat(folder.c_str(), &parent) == 0 && S_ISDIR(parent.st_mode))
            return {"", kStartFileNotFound};
        return {"", kStartPathNotFound};
    }
    if (error == EACCES) return {"", kStartPathNotFound};
    return {"", ResultFromErrno(error)};
}

ResolvedProgram SearchPath(const std::string& name) {
    const char* value = std::getenv("PATH");
    const std::string folders = value != nullptr ? value : "/usr/local/bin:/usr/bin:/bin";
    bool foundUnrunnable = false;
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t stop = folders.find(':', start);
        if (stop == std::string::npos) stop = folders.size();
        const std::string folder = folders.substr(start, stop - start);
        start = stop + 1;
        // Empty and relative entries would mean the current folder; a bare name never runs from
        // there.
        if (folder.empty() || folder.front() != '/') continue;
        const std::string candidate = (std::filesystem::path(folder) / name).string();
        struct stat st {};
        if (stat(candidate.c_str(), &st) != 0) continue;
        if (IsExecutableFile(st, candidate)) return {candidate, kStartSucceeded};
        if (S_ISREG(st.st_mode)) foundUnrunnable = true;
    }
    return {"", foundUnrunnable ? kStartBadFormat : kStartFileNotFound};
}

}  // namespace

ResolvedProgram ResolveProgram(const std::string& program) {
    if (program.empty() || program.find('\0') != std::string::npos) return {"", kStartFileNotFound};
    if (program.find('/') == std::string::npos) return SearchPath(program);
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(program, error);
    if (error) return {"", kStartPathNotFound};
    return CheckPath(path.lexically_normal());
}

ProgramCommand ParseProgramCommand(std::string_view commandLine) {
    // The line is a C string to every caller and to the system: it ends at the first NUL.
    commandLine = commandLine.substr(0, commandLine.find('\0'));
    ProgramCommand command;
    const std::vector<CommandLineWord> words = SplitCommandLineWords(commandLine);
    if (words.empty()) return command;

    std::size_t programWords = 1;
    command.program = ResolveProgram(words[0].text);
    const bool isPath = words[0].text.find('/') != std::string::npos;
    if (isPath && !words[0].hadQuote && command.program.result != kStartSucceeded) {
        // An unquoted path with blanks: try the first words joined as they stand in the line. A
        // bare name is never joined, so that its arguments cannot turn it into a relative path.
        std::optional<std::pair<std::size_t, ResolvedProgram>> unrunnable;
        if (command.program.result == kStartBadFormat) unrunnable.emplace(1, command.program);
        for (std::size_t last = 1; last < words.size() && last < kMaxJoinedWords; ++last) {
            if (words[last].hadQuote) break;
            const std::string joined(
                commandLine.substr(words[0].begin, words[last].end - words[0].begin));
            ResolvedProgram candidate = ResolveProgram(joined);
            if (candidate.result == kStartSucceeded) {
                command.program = std::move(candidate);
                programWords = last + 1;
                unrunnable.reset();
                break;
            }
            if (candidate.result == kStartBadFormat && !unrunnable)
                unrunnable.emplace(last + 1, candidate);
        }
        if (unrunnable) {
            programWords = unrunnable->first;
            command.program = unrunnable->second;
        }
    }
    for (std::size_t i = programWords; i < words.size(); ++i)
        command.arguments.push_back(words[i].text);
    return command;
}

int StartProgram(std::string_view commandLine) {
    const ProgramCommand command = ParseProgramCommand(commandLine);
    if (command.program.result != kStartSucceeded) return command.program.result;

    // Everything the children need is made before forking: after fork only async-signal-safe calls.
    std::vector<std::string> strings;
    strings.push_back(command.program.path);
    strings.insert(strings.end(), command.arguments.begin(), command.arguments.end());
    std::vector<char*> argv;
    for (std::string& s : strings) argv.push_back(s.data());
    argv.push_back(nullptr);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return kStartOutOfResources;

    // Two forks: the program becomes a child of init, so nobody has to wait for it and no zombie
    // stays behind in the starter. The pipe carries the errno of a failed exec; a successful exec
    // closes it empty.
    const pid_t middle = fork();
    if (middle < 0) {
        close(report[0]);
        close(report[1]);
        return kStartOutOfResources;
    }
    if (middle == 0) {
        const pid_t program = fork();
        if (program < 0) {
            const int error = errno;
            (void)!write(report[1], &error, sizeof error);
            _exit(1);
        }
        if (program == 0) {
            sigset_t none;
            sigemptyset(&none);
            sigprocmask(SIG_SETMASK, &none, nullptr);
            setsid();
            execve(argv[0], argv.data(), environ);
            const int error = errno;
            (void)!write(report[1], &error, sizeof error);
            _exit(127);
        }
        _exit(0);
    }

    close(report[1]);
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    std::size_t got = 0;
    auto* bytes = reinterpret_cast<char*>(&error);
    while (got < sizeof error) {
        const ssize_t n = read(report[0], bytes + got, sizeof error - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    close(report[0]);
    if (got == sizeof error) return ResultFromErrno(error);
    return kStartSucceeded;
}
