# cmake -DFROM=<assets folder> -DTO=<shipped folder> -P CopyPhotos.cmake
# Copies every *.jpg under FROM to the same relative path under TO.
file(GLOB_RECURSE photos RELATIVE ${FROM} ${FROM}/*.jpg)
foreach(photo IN LISTS photos)
    get_filename_component(folder "${TO}/${photo}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${FROM}/${photo}" "${TO}/${photo}" ONLY_IF_DIFFERENT)
endforeach()
