// Where one user's named link objects (the shared block, the event) live on
// a POSIX system, and the test every such object passes before it is used.
//
// Windows gives each logon session names of its own; POSIX shared-memory
// names belong to the whole machine, so whoever came first would own the
// link of everybody, and anyone could read the paths others name in it or
// answer in their place. Here a name is the user's own: a file in
// $XDG_RUNTIME_DIR, the folder only its user may enter, or, where that is
// not set or not such a folder, a shared-memory name that carries the user
// id. Both programs of the link use this class, so they meet at the same
// place. An object is used only while it is a plain file of this user that
// nobody else may read or write: one placed under our name by someone else
// is refused, never trusted or repaired.
//
// A Windows build has its own session namespace and does not use this class.
#pragma once

#include <cstddef>
#include <string>

class CLinkNamespace {
public:
    // Opens the object called name (any text without "/") for reading and
    // writing, creating it 0600 and empty when create is set and it does not
    // exist. A descriptor that passed Check(fd, 0), or -1 with error set.
    static int Open(const std::string& name, bool create, int& error);

    // 0 while the open object is still usable: a plain file with one name,
    // owned by this user, that group and others may neither read nor write,
    // holding at least size bytes. Otherwise why not, as an errno code:
    // EPERM another user owns it, EACCES others may use it, EMLINK it has
    // another name too, EINVAL it is no plain file or is too short.
    static int Check(int fd, std::size_t size);

    // Where the object lives, for people (the README, the stand-in's log)
    // and for tests that damage it on purpose.
    static std::string PathOf(const std::string& name);

    // For tests with names of their own; the link itself never removes one.
    static void Remove(const std::string& name);
};
