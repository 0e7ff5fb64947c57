#pragma once

// Process-wide libxml2 settings every parse relies on; safe to call any number of times.
// Files declaring Shift_JIS and its Windows names are decoded as code page 932, and no
// external entity or DTD is ever loaded.
void configureLibxml();
