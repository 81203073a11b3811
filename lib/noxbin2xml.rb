# Loads the native extension. Inside the host the plug-in may also
# `require "Noxbin2xml"` directly.
require "Noxbin2xml"
