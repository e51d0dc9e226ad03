# The maker's web address as committed in assets/orvik.txt: the default of VELTRANE_WEB_ADDRESS,
# and what the About copy beside the executables replaces with the configured address.
set(VELTRANE_DEFAULT_WEB_ADDRESS "https://orvik.example/")
