# The default Sylvane.ini: the lines the program itself saves, naming the sample key table
# of dataFolder (given with a final "/"), so that a first start opens it.
function(sylvane_write_default_settings file dataFolder)
    file(WRITE "${file}"
        "\r\nFICDEFAUT =${dataFolder}champignons_europe.txt\r\nREPDATA =${dataFolder}\r\nCHOIXMULT =0\r\n")
endfunction()

# At install time: writes the default settings naming the installed data folder (dataDir,
# relative to the installation prefix unless absolute) under stageFolder, then installs
# them there. The prefix is only known at install time (cmake --install --prefix, CPack).
# Each destination has its own staged file, so that two installations at once (the
# install and package tests) do not write over each other's.
function(sylvane_install_default_settings stageFolder dataDir)
    if(IS_ABSOLUTE "${dataDir}")
        set(installed "${dataDir}")
    else()
        set(installed "${CMAKE_INSTALL_PREFIX}/${dataDir}")
    endif()
    string(MD5 destination "$ENV{DESTDIR}${installed}")
    set(stageFile "${stageFolder}/${destination}/Sylvane.ini")
    sylvane_write_default_settings("${stageFile}" "${installed}/")
    file(INSTALL "${stageFile}" DESTINATION "${installed}")
endfunction()
