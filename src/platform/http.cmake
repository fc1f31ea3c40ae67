# The HTTP client on libcurl, and the card host taken from the environment.
find_package(CURL REQUIRED)
target_sources(zelvan_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/http_curl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/environment.cpp
)
target_link_libraries(zelvan_platform PRIVATE CURL::libcurl)
