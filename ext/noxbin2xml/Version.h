// The one version number of the module, the gem and the command-line tool.
// The gemspec reads it from this line, so keep its form.
#pragma once

#define NOXBIN2XML_VERSION "0.2.0"
