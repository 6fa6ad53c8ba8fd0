# Takes the user guide out of README.md for the Help window, so that the
# two always say the same: the text between the marks
#   <!-- user guide -->  and  <!-- end of user guide -->
#
#   cmake -DREADME=README.md -DOUT=user-guide.md -P UserGuide.cmake

file(READ "${README}" readme)
string(FIND "${readme}" "<!-- user guide -->" begin)
string(FIND "${readme}" "<!-- end of user guide -->" end)
if(begin EQUAL -1 OR end EQUAL -1 OR end LESS begin)
  message(FATAL_ERROR "${README} has no '<!-- user guide -->' ... '<!-- end of user guide -->' section")
endif()
string(LENGTH "<!-- user guide -->" mark)
math(EXPR begin "${begin} + ${mark}")
math(EXPR length "${end} - ${begin}")
string(SUBSTRING "${readme}" ${begin} ${length} guide)
string(STRIP "${guide}" guide)
file(WRITE "${OUT}" "# Cheqbook Help\n\n${guide}\n")
