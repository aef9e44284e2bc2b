#pragma once

// Whether the JRE key's "JrePath" names an existing file.
bool IsJreInstalled();
