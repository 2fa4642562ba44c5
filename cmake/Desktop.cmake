# The help file beside the built programs.

# The main window looks for pelmira.hlp in its own folder first, so build/pelmira finds it
# here.
configure_file(data/pelmira.hlp ${PROJECT_BINARY_DIR}/pelmira.hlp COPYONLY)
