#pragma once

// Trace points: every framework routine may name itself here. In every
// module they compile to nothing; nothing may depend on them.
#define TRACE(...) ((void)0)
