# Where the server side lives. The defaults point at the stand-in client service on loopback;
# each value can also be overridden at run time from the environment (see platform/server_config).
set(YLCS_SERVICE_PORT "18731" CACHE STRING "Port of the stand-in client service")
set(YLCS_SERVICE_HOST "127.0.0.1:${YLCS_SERVICE_PORT}" CACHE STRING "Client service host[:port]")
set(YLCS_LOGIN_HOST "127.0.0.1:${YLCS_SERVICE_PORT}" CACHE STRING "Portal login page host[:port]")
set(YLCS_GAMEHALL_URL "http://127.0.0.1:${YLCS_SERVICE_PORT}/" CACHE STRING "Game-hall site address")
set(YLCS_PORTAL_DOMAINS "127.0.0.1,localhost,kelvo.localhost" CACHE STRING
    "The three portal domains of the download allow-list, comma-separated")
