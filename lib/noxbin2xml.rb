# Loads the native extension, which the gem keeps in lib/noxbin2xml/. Inside
# the host the plug-in may also `require "Noxbin2xml"` directly, with that
# file on its load path.
require "noxbin2xml/Noxbin2xml"
