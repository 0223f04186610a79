#pragma once

// Ends a parse after an Expect failed and the error report let the reader go on (tests and the
// check tools record the first error): the grammar has no error recovery, so nothing after the
// first error is read.
struct GrammarStop {};
