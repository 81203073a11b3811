# Runs every Ruby test file under test/.
$LOAD_PATH.unshift(__dir__)
Dir.glob(File.join(__dir__, "*_test.rb")).sort.each { |file| require file }
