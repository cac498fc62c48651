// What the standard containers call when they cannot grow. The C++ runtime's versions throw,
// and bring its whole exception machinery into the program; the program is built without
// exceptions, so these end the process, as a failed plain new does. They are linked into
// the program only: the tests use the runtime's own.
#include <stdlib.h>

namespace std {

void __throw_bad_alloc() { abort(); }

void __throw_bad_array_new_length() { abort(); }

void __throw_length_error(const char*) { abort(); }

} // namespace std
