# `cpack -G DEB` in a build folder makes the Debian package; dpkg-shlibdeps finds the libraries
# the program links, and the rest are what it loads or looks for at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME atomdrift)
set(CPACK_PACKAGE_VENDOR "The Atomdrift Project")
set(CPACK_PACKAGE_CONTACT "The Atomdrift Project <team@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.example.org/atomdrift)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program about the decay of radioactive atoms")
# The long description as Debian shows it: lines under 80 characters, an empty line between paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [[
Atomdrift lets a class watch radioactive atoms decay. Students enter the
initial number of atoms, the decay rate per time step or the half-life, and
the number of steps, then compare the exponential law with a random run in
which every atom decays or not at each step.

Four chart views show the atoms, the decayed atoms and the logarithm of the
count against time, and the count at the next step against this one. A run
can be drawn large, printed, and saved as a comma-separated file. The class
experiment repeats the random run for every student of a class and shows
the spread of the runs and of the half-lives they measure.]])
# Free to copy unchanged but not to modify, so Debian would carry it in non-free.
set(CPACK_DEBIAN_PACKAGE_SECTION non-free/science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's own texts, such as the standard buttons of dialogs, in the desktop's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
